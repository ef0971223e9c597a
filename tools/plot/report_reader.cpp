#include "tools/plot/report_reader.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>

#include "runcontrol/failure.hpp"
#include "runcontrol/files.hpp"
#include "textio/fields.hpp"
#include "textio/read_line.hpp"

namespace plot {
namespace {

using textio::trimmed;

// Far more than the input or the report of a problem at full capacity.
constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

// The results records, as lines of the report: a node line is the node
// number in 4 columns, then for each value 2 blanks and a 14-column field;
// an internal point line is 1 blank and a 14-column field, then 2 blanks
// and a 14-column field for each further value.
constexpr std::size_t kFieldWidth = 14;
constexpr std::size_t kFieldStep = 16;
constexpr std::size_t kNodeNumberWidth = 4;
constexpr std::size_t kFirstNodeField = 6;
constexpr std::size_t kFirstInternalField = 1;
constexpr int kNodeValues = 5;       // X, Y, S, potential, derivative
constexpr int kInterfaceValues = 4;  // an interface node has no derivative
constexpr int kInternalValues = 5;   // X, Y, potential, gradient x and y
constexpr std::size_t kSeparatorWidth = 79;
// The code of a node record of the echo is in columns 14-15 of its line, the
// total of a FLUX line from column 11 on.
constexpr std::size_t kEchoCodeAt = 13;
constexpr std::size_t kFluxTotalAt = 10;

// The report's lines, without their line ends.
std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A field as the report writes reals: 1.23456E+01, or 1.23456-100 when the
// exponent has three digits and the letter gives way to them.
std::optional<double> real_value(std::string_view field) {
  field = trimmed(field);
  if (field.empty()) return std::nullopt;
  std::size_t exponent_at = field.find_first_of("Ee");
  std::size_t digits_at = exponent_at + 1;
  if (exponent_at == std::string_view::npos) {
    exponent_at = field.find_last_of("+-");
    if (exponent_at == 0 || exponent_at == std::string_view::npos) return std::nullopt;
    digits_at = exponent_at;
  }
  const std::string text =
      std::string(field.substr(0, exponent_at)) + "e" + std::string(field.substr(digits_at));
  const char* start = text.c_str() + (text[0] == '+' ? 1 : 0);
  double value = 0.0;
  const auto [end, error] = std::from_chars(start, text.c_str() + text.size(), value);
  if (error != std::errc() || end != text.c_str() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// A field of a table: its value and its text as printed, blanks taken off.
struct Field {
  double value = 0.0;
  std::string text;
};

// The line of asterisks that opens the report, closes its results and closes
// its currents.
bool is_separator(std::string_view line) {
  return line.size() == kSeparatorWidth && line.find_first_not_of('*') == std::string_view::npos;
}

class TableReader {
 public:
  TableReader(std::string_view text, const std::string& name)
      : lines_(lines_of(text)), name_(name) {}

  bool at_end() const { return at_ >= lines_.size(); }
  std::string_view line() const { return lines_[at_]; }  // the next line to read
  void advance() { ++at_; }

  // Moves past the next line that reads `heading`, blanks aside, or with
  // `prefix` past the next line that starts with it; false, staying put,
  // when there is none before a line that starts with `stop`.
  bool skip_past(std::string_view heading, bool prefix = false, std::string_view stop = {}) {
    for (std::size_t i = at_; i < lines_.size(); ++i) {
      const std::string_view line = trimmed(lines_[i]);
      if (prefix ? line.starts_with(heading) : line == heading) {
        at_ = i + 1;
        return true;
      }
      if (!stop.empty() && line.starts_with(stop)) return false;
    }
    return false;
  }

  // What follows `label` on the next line that starts with it, before a line
  // that starts with `stop`.
  std::optional<std::string> value_after(std::string_view label, std::string_view stop) {
    if (!skip_past(label, true, stop)) return std::nullopt;
    return std::string(trimmed(trimmed(lines_[at_ - 1]).substr(label.size())));
  }

  // Moves past the heading of the node table: RESULTS, then BOUNDARY NODES
  // as the next line of text. A title that reads RESULTS, echoed at the
  // head of the report, is passed over.
  bool skip_past_results() {
    while (skip_past("RESULTS")) {
      skip_blank_lines();
      if (at_ < lines_.size() && trimmed(lines_[at_]) == "BOUNDARY NODES") {
        ++at_;
        return true;
      }
    }
    return false;
  }

  void skip_blank_lines() {
    while (at_ < lines_.size() && trimmed(lines_[at_]).empty()) ++at_;
  }

  // The next line of a table, or nothing at its end: a blank line, a line of
  // asterisks or the end of the report.
  std::optional<std::string_view> next_row() {
    if (at_ >= lines_.size()) return std::nullopt;
    const std::string_view line = trimmed(lines_[at_]);
    if (line.empty() || line.starts_with('*')) return std::nullopt;
    return lines_[at_++];
  }

  // The fields first, first + kFieldStep, ... of the current row, as many as
  // it has (at least `least`, at most `most`).
  std::vector<Field> values(std::string_view row, std::size_t first, int least, int most) const {
    std::vector<Field> fields;
    for (std::size_t at = first; at < row.size() && static_cast<int>(fields.size()) < most;
         at += kFieldStep) {
      const std::string_view text = trimmed(row.substr(at, kFieldWidth));
      const auto value = real_value(text);
      if (!value) fail("column " + std::to_string(at + 1) + " holds no number");
      fields.push_back({*value, std::string(text)});
    }
    if (static_cast<int>(fields.size()) < least)
      fail("it has " + std::to_string(fields.size()) + " values, not " + std::to_string(least));
    return fields;
  }

  [[noreturn]] void fail(const std::string& why) const {
    throw PlotError("cannot read the report '" + name_ + "', line " + std::to_string(at_) + ": " +
                    why);
  }

 private:
  std::vector<std::string_view> lines_;
  const std::string& name_;
  std::size_t at_ = 0;  // index of the next line to read
};

std::vector<std::string> texts(const std::vector<Field>& fields) {
  std::vector<std::string> texts;
  for (const Field& f : fields) texts.push_back(f.text);
  return texts;
}

NodeResult node_row(const TableReader& table, std::string_view row, int expected_number) {
  int number = 0;
  const std::string_view field = trimmed(row.substr(0, kNodeNumberWidth));
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
  if (error != std::errc() || end != field.data() + field.size() || number != expected_number)
    table.fail("node " + std::to_string(expected_number) + " expected in columns 1-4");
  const auto v = table.values(row, kFirstNodeField, kInterfaceValues, kNodeValues);
  NodeResult node{number, {v[0].value, v[1].value}, v[2].value, v[3].value, std::nullopt, texts(v)};
  if (v.size() == kNodeValues) node.derivative = v[4].value;
  return node;
}

InternalResult internal_row(const TableReader& table, std::string_view row) {
  const auto v = table.values(row, kFirstInternalField, kInternalValues, kInternalValues);
  const InternalResult point{
      {v[0].value, v[1].value}, v[2].value, {v[3].value, v[4].value}, texts(v)};
  if (!std::isfinite(length(point.gradient))) table.fail("the gradient is too large to draw");
  return point;
}

// The two tables of the results, from the reader's place on; false when no
// node table follows.
bool read_results(TableReader& table, Results& results) {
  if (!table.skip_past_results() || !table.skip_past("NODE", true)) return false;
  table.skip_blank_lines();
  while (const auto row = table.next_row())
    results.nodes.push_back(node_row(table, *row, static_cast<int>(results.nodes.size()) + 1));
  // The internal points follow, when there are any, before the closing
  // line of asterisks.
  if (table.skip_past("INTERNAL POINTS", false, "*")) {
    if (!table.skip_past("X", true)) table.fail("the internal points have no column headings");
    table.skip_blank_lines();
    while (const auto row = table.next_row()) results.internal.push_back(internal_row(table, *row));
  }
  return true;
}

// The title record of the echo shows its 80 characters less the first,
// which chose the spacing in front: nothing more, an empty line (0), a page
// sequence ending in CR (1) or a CR that overprints the asterisks (+).
// Moves past it; nothing when the report ends first.
std::optional<std::string> title(TableReader& table) {
  std::string_view line = table.line();
  if (line.size() == kSeparatorWidth) {
    table.advance();
    if (!table.at_end() && table.line().empty()) table.advance();
    if (table.at_end()) return std::nullopt;
    line = table.line();
  }
  table.advance();
  line.remove_prefix(line.find_last_of('\r') + 1);  // npos + 1 is 0
  return std::string(line.substr(0, line.find_last_not_of(' ') + 1));
}

// The echo of the node records: whether any node is in a currents group,
// that is whether its code, in columns 14-15, is negative or too negative
// for them (**). Stops at the first line that is not a node record.
bool echo_has_groups(TableReader& table) {
  bool groups = false;
  for (; !table.at_end(); table.advance()) {
    const std::string_view line = table.line();
    if (!line.empty() && line[0] != ' ') break;
    const std::string_view code = line.substr(std::min(line.size(), kEchoCodeAt), 2);
    groups = groups || code.find('-') != std::string_view::npos || code == "**";
  }
  return groups;
}

// The FLUX lines of the currents, group 1 first: FLUX, the group in 4
// columns, " :" and the total in 12.
std::vector<std::string> fluxes(TableReader& table) {
  std::vector<std::string> totals;
  for (; !table.at_end() && table.line().starts_with("FLUX"); table.advance()) {
    const std::string_view line = table.line();
    const std::string group = std::to_string(totals.size() + 1);
    const std::string_view total = trimmed(line.substr(std::min(line.size(), kFluxTotalAt)));
    if (line.size() < kFluxTotalAt || trimmed(line.substr(4, 4)) != group ||
        line.substr(8, 2) != " :" || !real_value(total))
      table.fail("the FLUX line of group " + group + " cannot be read");
    totals.emplace_back(total);
  }
  return totals;
}

// A table of results whose length is not the count the echo gives is not
// the run's own (no table is printed for a count below 1).
void check_counts(const TableReader& table, const Report& report) {
  const auto check = [&](std::size_t rows, const std::string& count, const std::string& what) {
    long long n = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), n);
    if (error != std::errc() || end != count.data() + count.size() ||
        rows != static_cast<std::size_t>(std::max(0LL, n)))
      table.fail("it lists " + std::to_string(rows) + " " + what + ", the echo gives " + count);
  };
  check(report.results.nodes.size(), report.elements, "boundary nodes");
  check(report.results.internal.size(), report.internal_points, "internal points");
}

// The report from its counts on, the title read: the status it ends with.
RunStatus read_after_title(TableReader& table, Report& report) {
  const auto stopped = [&](const std::string& where) {
    report.note = "the report stops " + where;
    return RunStatus::incomplete;
  };
  table.skip_blank_lines();
  if (table.at_end())
    return stopped("after its title: the counts were refused or could not be read");
  if (trimmed(table.line()) != "DATA") table.fail("DATA expected after the title");
  const auto elements = table.value_after("NUMBER OF BOUNDARY ELEMENTS =", "COORDINATES");
  const auto internal = table.value_after(
      "NUMBER OF INTERNAL POINTS WHERE THE FUNCTION IS CALCULATED =", "COORDINATES");
  if (!elements || !internal || !table.skip_past("X-SYMMETRY=", true))
    return stopped("in the data echo");
  report.elements = *elements;
  report.internal_points = *internal;
  report.boundaries =
      table.value_after("NUMBER OF DIFFERENT BOUNDARIES =", "COORDINATES").value_or("");
  if (!table.skip_past("BOUNDARY CONDITIONS") || !table.skip_past("NODE", true))
    return stopped("in the data echo");
  const bool groups = echo_has_groups(table);
  if (table.at_end()) return stopped("in the data echo");
  if (!is_separator(table.line()) && table.line().starts_with("****")) {
    report.note = trimmed(table.line());  // the solver's warning
    table.advance();
  }
  if (table.at_end()) return stopped("before its results");
  if (!is_separator(table.line())) {
    report.note = trimmed(table.line());
    return RunStatus::refused;
  }
  if (!read_results(table, report.results)) return stopped("before its results");
  if (table.at_end()) return stopped("in its results");
  if (!is_separator(table.line())) table.fail("the results do not end with a line of asterisks");
  check_counts(table, report);
  table.advance();
  table.skip_blank_lines();
  if (table.at_end()) return groups ? stopped("before its currents") : RunStatus::complete;
  if (trimmed(table.line()) != "CURRENTS") table.fail("CURRENTS expected after the results");
  table.advance();
  table.skip_blank_lines();
  report.fluxes = fluxes(table);
  if (table.at_end()) return stopped("in its currents");
  if (!is_separator(table.line())) table.fail("the currents do not end with a line of asterisks");
  return RunStatus::complete;
}

}  // namespace

Results parse_report(std::string_view text, const std::string& name) {
  TableReader table(text, name);
  Results results;
  if (!read_results(table, results))
    throw PlotError("the report '" + name +
                    "' holds no table of boundary nodes: is it a report of a run that finished?");
  return results;
}

Results read_report(const std::string& path) {
  return parse_report(read_file(path, "report"), path);
}

std::string read_file(const std::string& path, const std::string& role) {
  const std::string what = "the " + role + " '" + path + "'";
  std::string why;
  const auto file = runcontrol::DiskFiles().open_existing(path, why);
  if (!file) throw PlotError("cannot open " + what + ": " + why);
  // Line by line, as the program reads, so that no file (not even an endless
  // one) is held beyond the bounds.
  std::string bytes, line;
  for (int number = 1;; ++number) {
    errno = 0;
    switch (textio::read_line(*file, line)) {
      case textio::LineRead::kEnd:
        return bytes;
      case textio::LineRead::kError:
        throw PlotError(runcontrol::with_system_reason("cannot read " + what));
      case textio::LineRead::kTooLong:
        throw PlotError("cannot read " + what + ": line " + std::to_string(number) +
                        " is longer than " + std::to_string(textio::kMaxLineLength) +
                        " characters");
      case textio::LineRead::kLine:
        break;
    }
    if (bytes.size() + line.size() >= kMaxFileSize)
      throw PlotError("cannot read " + what + ": it is larger than " +
                      std::to_string(kMaxFileSize >> 20) + " MiB");
    bytes.append(line);
    // A last line without its LF stays without it: a report cut in the
    // middle of a line is told by that.
    if (!file->eof()) bytes.push_back('\n');
  }
}

Report parse_whole_report(std::string_view text, const std::string& name) {
  if (!text.starts_with(std::string(kSeparatorWidth, '*')))
    throw PlotError("'" + name + "' is not a report: it does not begin with a line of " +
                    std::to_string(kSeparatorWidth) + " asterisks");
  // Every line of a report ends with a line end: a last line without one
  // was cut short, and is left out.
  TableReader table(text.substr(0, text.rfind('\n') + 1), name);
  Report report;
  const auto title_read = title(table);
  if (!title_read) {
    report.note = "the report stops before its title";
    return report;
  }
  report.title = *title_read;
  report.status = read_after_title(table, report);
  if (report.status != RunStatus::complete) {  // no partial results
    report.results = {};
    report.fluxes.clear();
  }
  return report;
}

Report read_whole_report(const std::string& path) {
  return parse_whole_report(read_file(path, "report"), path);
}

}  // namespace plot
