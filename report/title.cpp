#include "report/title.hpp"

#include <algorithm>
#include <sstream>

#include "report/format.hpp"
#include "report/report_error.hpp"
#include "textio/fields.hpp"
#include "textio/layout.hpp"
#include "textio/output_channel.hpp"

namespace report {
namespace {

// The control characters that space a title differently: a new page, an
// empty line, none, and overprinting the asterisks.
constexpr char kControls[] = {'1', '0', ' ', '+'};
constexpr int kAnyUnit = 1;

std::string separator_line() { return textio::format_records(kSeparator, {}).front().substr(1); }

// The spacing between the asterisks and a title with this control
// character, as the output channel writes it: the number of line ends, and
// what stands in front of the title on its line.
struct Spacing {
  int line_ends = 0;
  std::string in_front;
};

Spacing spacing_of(char control) {
  std::ostringstream bytes;
  textio::OutputChannel channel;
  channel.connect(bytes, kAnyUnit, "title");
  channel.record(" ");  // the end of the asterisks' line is pending
  channel.record(std::string(1, control));
  const std::string written = bytes.str();
  const std::size_t last = written.rfind('\n');
  Spacing s;
  s.line_ends = static_cast<int>(std::count(written.begin(), written.end(), '\n'));
  s.in_front = last == std::string::npos ? written : written.substr(last + 1);
  return s;
}

// Moves past the line of asterisks and the empty lines after it, `count`
// lines in all; false when they are not there whole.
bool skip_lines(Lines& at, const std::string& stars, int count) {
  for (int k = 0; k < count; ++k, at.advance()) {
    const auto line = at.peek();
    if (!line || !line->whole || line->text != (k == 0 ? std::string_view(stars) : ""))
      return false;
  }
  return true;
}

}  // namespace

std::vector<TitleReading> read_title(const Lines& lines, const std::string& name) {
  static const std::string stars = separator_line();
  const auto first = lines.peek();
  if (!first || !first->text.starts_with(stars))
    throw ReportError("'" + name + "' is not a report: it does not begin with a line of " +
                      std::to_string(stars.size()) + " asterisks");
  std::vector<TitleReading> readings;
  for (const char control : kControls) {
    const Spacing spacing = spacing_of(control);
    Lines at = lines;
    std::string_view head = stars;  // what the title's line must begin with
    if (spacing.line_ends > 0) {
      if (!skip_lines(at, stars, spacing.line_ends)) continue;
      head = "";
    }
    const auto line = at.peek();
    if (!line || !line->whole) continue;
    std::string front(head);
    front += spacing.in_front;
    if (!line->text.starts_with(front)) continue;
    at.advance();
    readings.push_back({std::string(textio::trimmed(line->text.substr(front.size()))), at});
  }
  return readings;
}

}  // namespace report
