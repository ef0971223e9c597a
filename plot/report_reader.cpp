#include "plot/report_reader.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>

#include "textio/failure.hpp"
#include "textio/fields.hpp"
#include "textio/files.hpp"
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

class TableReader {
 public:
  TableReader(std::string_view text, const std::string& name)
      : lines_(lines_of(text)), name_(name) {}

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

  // The values of the fields first, first + kFieldStep, ... of the current
  // row, as many as it has (at least `least`, at most `most`).
  std::vector<double> values(std::string_view row, std::size_t first, int least, int most) const {
    std::vector<double> values;
    for (std::size_t at = first; at < row.size() && static_cast<int>(values.size()) < most;
         at += kFieldStep) {
      const auto value = real_value(row.substr(at, kFieldWidth));
      if (!value) fail("column " + std::to_string(at + 1) + " holds no number");
      values.push_back(*value);
    }
    if (static_cast<int>(values.size()) < least)
      fail("it has " + std::to_string(values.size()) + " values, not " + std::to_string(least));
    return values;
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

NodeResult node_row(const TableReader& table, std::string_view row, int expected_number) {
  int number = 0;
  const std::string_view field = trimmed(row.substr(0, kNodeNumberWidth));
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
  if (error != std::errc() || end != field.data() + field.size() || number != expected_number)
    table.fail("node " + std::to_string(expected_number) + " expected in columns 1-4");
  const auto v = table.values(row, kFirstNodeField, kInterfaceValues, kNodeValues);
  NodeResult node{number, {v[0], v[1]}, v[2], v[3], std::nullopt};
  if (v.size() == kNodeValues) node.derivative = v[4];
  return node;
}

InternalResult internal_row(const TableReader& table, std::string_view row) {
  const auto v = table.values(row, kFirstInternalField, kInternalValues, kInternalValues);
  const InternalResult point{{v[0], v[1]}, v[2], {v[3], v[4]}};
  if (!std::isfinite(length(point.gradient))) table.fail("the gradient is too large to draw");
  return point;
}

}  // namespace

Results parse_report(std::string_view text, const std::string& name) {
  TableReader table(text, name);
  if (!table.skip_past_results() || !table.skip_past("NODE", true))
    throw PlotError("the report '" + name +
                    "' holds no table of boundary nodes: is it a report of a run that finished?");
  Results results;
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
  return results;
}

Results read_report(const std::string& path) {
  return parse_report(read_file(path, "report"), path);
}

std::string read_file(const std::string& path, const std::string& role) {
  const std::string what = "the " + role + " '" + path + "'";
  std::string why;
  const auto file = textio::DiskFiles().open_existing(path, why);
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
        throw PlotError(textio::with_system_reason("cannot read " + what));
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
    bytes.append(line).push_back('\n');
  }
}

}  // namespace plot
