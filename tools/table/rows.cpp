#include "tools/table/rows.hpp"

#include <algorithm>
#include <filesystem>
#include <new>

#include "report/read_file.hpp"
#include "report/report_error.hpp"

namespace table {
namespace {

using Row = std::vector<std::string>;

std::string status_word(report::Status status) {
  switch (status) {
    case report::Status::complete:
      return "complete";
    case report::Status::refused:
      return "refused";
    case report::Status::incomplete:
      break;
  }
  return "incomplete";
}

std::vector<Row> report_rows(const std::vector<Entry>& entries) {
  std::size_t groups = 0;
  for (const Entry& e : entries)
    if (e.report) groups = std::max(groups, e.report->fluxes.size());
  Row header{"report", "title", "status", "message", "elements", "internal_points", "boundaries"};
  for (std::size_t k = 1; k <= groups; ++k) header.push_back("flux" + std::to_string(k));
  std::vector<Row> rows{header};
  for (const Entry& e : entries) {
    const report::Report r = e.report.value_or(report::Report{});
    Row row{e.name, r.title, e.status, e.note, r.elements, r.internal_points, r.boundaries};
    row.insert(row.end(), r.fluxes.begin(), r.fluxes.end());
    row.resize(header.size());
    rows.push_back(row);
  }
  return rows;
}

// One row per node or point of each complete report: its name, the number,
// then the printed values (an interface node's derivative left empty).
template <typename Result>
std::vector<Row> value_rows(Row header, const std::vector<Entry>& entries,
                            std::vector<Result> report::Results::*table) {
  std::vector<Row> rows{header};
  for (const Entry& e : entries) {
    if (!e.report || e.report->status != report::Status::complete) continue;
    const auto& results = e.report->results.*table;
    for (std::size_t i = 0; i < results.size(); ++i) {
      Row row{e.name, std::to_string(i + 1)};
      row.insert(row.end(), results[i].printed.begin(), results[i].printed.end());
      row.resize(header.size());
      rows.push_back(row);
    }
  }
  return rows;
}

}  // namespace

Entry read_entry(const std::string& name) {
  std::error_code ignored;
  try {
    return entry_of(name, report::read_file(name, "report"));
  } catch (const report::ReportError& e) {
    return {name, std::filesystem::exists(name, ignored) ? "unreadable" : "missing", e.what(),
            std::nullopt};
  } catch (const std::bad_alloc&) {
    return {name, "unreadable", "there is not enough memory to read it", std::nullopt};
  }
}

Entry entry_of(const std::string& name, std::string_view text) {
  try {
    report::Report read = report::parse(text, name);
    const std::string status = status_word(read.status);
    const std::string note = read.note;
    return {name, status, note, std::move(read)};
  } catch (const report::ReportError& e) {
    return {name, "unreadable", e.what(), std::nullopt};
  }
}

std::vector<Row> rows_of(Mode mode, const std::vector<Entry>& entries) {
  switch (mode) {
    case Mode::nodes:
      return value_rows({"report", "node", "x", "y", "s", "potential", "derivative"}, entries,
                        &report::Results::nodes);
    case Mode::internal:
      return value_rows({"report", "point", "x", "y", "potential", "gradient_x", "gradient_y"},
                        entries, &report::Results::internal);
    case Mode::reports:
      break;
  }
  return report_rows(entries);
}

}  // namespace table
