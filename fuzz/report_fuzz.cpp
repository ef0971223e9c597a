// Fuzzing the reader of reports and velda-table's rows: the fuzzer's bytes
// are a report file, read as velda-table reads it and written as its three
// tables. Under AddressSanitizer, UBSan and asserts, any crash, hang or bad
// memory access is a finding; so is a report read as complete whose tables
// are not as long as its counts or hold a number that is not finite, and a
// CSV text that is not UTF-8 or holds a control character other than the CR
// LF that ends each record.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "textio/csv.hpp"
#include "textio/printable.hpp"
#include "tools/table/rows.hpp"

namespace {

bool sound_csv(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
  return textio::printable(text) == text;
}

bool finite(lib::Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool sound_tables(const report::Report& r) {
  if (r.status != report::Status::complete) return r.results.nodes.empty() && r.fluxes.empty();
  if (r.results.nodes.size() != std::stoul(r.elements) ||
      r.results.internal.size() != std::stoul(r.internal_points))
    return false;
  for (const auto& node : r.results.nodes)
    if (!finite(node.at) || !std::isfinite(node.potential) || node.printed.size() < 4) return false;
  for (const auto& point : r.results.internal)
    if (!finite(point.at) || !finite(point.gradient) || point.printed.size() != 5) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const table::Entry entry = table::entry_of("REPORT", bytes);
  std::ostringstream csv;
  for (const table::Mode mode : {table::Mode::reports, table::Mode::nodes, table::Mode::internal})
    for (const auto& row : table::rows_of(mode, {entry})) textio::write_record(csv, row);
  if (!sound_csv(csv.str())) __builtin_trap();
  if (entry.report && !sound_tables(*entry.report)) __builtin_trap();
  return 0;
}
