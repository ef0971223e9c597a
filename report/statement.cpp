#include "report/statement.hpp"

#include <cassert>
#include <charconv>
#include <cmath>
#include <optional>

#include "textio/fields.hpp"
#include "textio/printable.hpp"

namespace report {
namespace {

using textio::Value;

// Two sets of values that print with the same width but differ in their
// first and last characters: 1 and 2, 1.00000E+00 and 2.22222E+22.
constexpr int kFirstInteger = 1, kSecondInteger = 2;
constexpr double kFirstReal = 1.0, kSecondReal = 2.2222222222e22;

std::vector<Value> samples(std::span<const Kind> kinds, bool second) {
  std::vector<Value> values;
  for (const Kind kind : kinds) {
    if (kind == Kind::integer)
      values.emplace_back(second ? kSecondInteger : kFirstInteger);
    else
      values.emplace_back(second ? kSecondReal : kFirstReal);
  }
  return values;
}

// The values are where the two samples differ; each runs from its first
// differing character to its last within one stretch of non-blanks.
std::vector<Column> columns_of(const std::vector<std::string>& a,
                               const std::vector<std::string>& b) {
  std::vector<Column> columns;
  for (std::size_t r = 0; r < a.size(); ++r) {
    assert(a[r].size() == b[r].size());
    std::size_t after_text = 0;  // just past the last non-blank before i
    for (std::size_t i = 0; i < a[r].size();) {
      if (a[r][i] == b[r][i]) {
        if (a[r][i] != ' ') after_text = i + 1;
        ++i;
        continue;
      }
      std::size_t last = i;
      for (std::size_t k = i; k < a[r].size() && a[r][k] != ' '; ++k)
        if (a[r][k] != b[r][k]) last = k;
      // In the line the record's control character is gone.
      columns.push_back({r, after_text > 0 ? after_text - 1 : 0, last});
      after_text = last + 1;
      i = last + 1;
    }
  }
  return columns;
}

// A real as the report prints it: 1.23456E+01, or 1.23456-100 when the
// exponent has three digits and the letter gives way to them.
std::optional<double> real_value(std::string_view field) {
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
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<Value> value_of(std::string_view text, Kind kind, std::size_t width) {
  if (kind == Kind::real) {
    const auto value = real_value(text);
    return value ? std::optional<Value>(*value) : std::nullopt;
  }
  if (!text.empty() && text.size() <= width && text.find_first_not_of('*') == text.npos)
    return Value(kTooWide);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return Value(value);
}

std::string shown(const std::string& record) { return record.empty() ? "" : record.substr(1); }

std::string line_at(const Lines& lines, const std::string& why) {
  return "line " + std::to_string(lines.number()) + " " + why;
}

}  // namespace

Shape shape_of(std::string_view layout, std::span<const Kind> kinds) {
  Shape shape{textio::format_records(layout, samples(kinds, false)), {}};
  shape.columns = columns_of(shape.records, textio::format_records(layout, samples(kinds, true)));
  return shape;
}

Statement read_statement(Lines& lines, std::string_view layout, std::span<const Kind> kinds,
                         const Shape& shape) {
  Statement s;
  s.values = samples(kinds, false);
  const std::vector<std::string>& first = shape.records;
  const std::vector<Column>& columns = shape.columns;
  // The values from the lines there are, then the lines checked against
  // what those values give.
  Lines at = lines;
  std::vector<Line> found;
  for (std::size_t r = 0; r < first.size(); ++r, at.advance()) {
    assert(first[r].empty() || first[r][0] == ' ');
    const auto line = at.peek();
    if (!line || !line->whole) break;
    found.push_back(*line);
  }
  // Line by line, so that the first line that differs is the one named: a
  // line without values is as the first sample writes it.
  std::size_t k = 0;
  Lines place = lines;
  for (std::size_t r = 0; r < found.size(); ++r, place.advance()) {
    const std::string_view line = found[r].text;
    if ((k == columns.size() || columns[k].record != r) && line != shown(first[r])) {
      s.outcome = Statement::differs;
      s.why = line_at(place, "should read \"" + textio::printable(shown(first[r])) + "\"");
      return s;
    }
    for (; k < columns.size() && columns[k].record == r; ++k) {
      const Column& c = columns[k];
      const std::string_view text =
          c.from < line.size() ? textio::trimmed(line.substr(c.from, c.to - c.from)) : "";
      const auto value = value_of(text, kinds[k], c.to - c.from);
      if (!value) {
        s.outcome = Statement::differs;
        s.why = line_at(place, "holds \"" + textio::printable(text) + "\" where " +
                                   (kinds[k] == Kind::real ? "a number" : "a whole number") +
                                   " stands, in columns " + std::to_string(c.from + 1) + "-" +
                                   std::to_string(c.to));
        return s;
      }
      s.values[k] = *value;
      s.texts.emplace_back(text);
    }
  }
  const auto written = textio::format_records(layout, s.values);
  Lines next = lines;
  for (std::size_t r = 0; r < found.size(); ++r, next.advance()) {
    if (found[r].text == shown(written[r])) continue;
    s.outcome = Statement::differs;
    s.why = line_at(next, "should read \"" + textio::printable(shown(written[r])) + "\"");
    return s;
  }
  if (found.size() < written.size())
    s.outcome = Statement::ended;
  else
    lines = next;
  return s;
}

}  // namespace report
