#include "tools/converge/table.hpp"

#include <cstdio>
#include <sstream>

#include "textio/csv.hpp"

namespace converge {
namespace {

constexpr int kLineWidth = 78;
constexpr int kNameWidth = 14;
constexpr int kValueWidth = 17;  // -1.234567890e+01 and a blank
constexpr int kOrderWidth = 6;
constexpr int kErrorWidth = 13;
constexpr const char* kNone = "-";

std::string formatted(const char* format, double value) {
  char text[40];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string padded(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.append(width - text.size(), ' ');
  return text + ' ';
}

std::string right(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text + ' ';
}

std::string shown(const std::optional<double>& value, const char* format) {
  return value ? formatted(format, *value) : kNone;
}

// The words of `text` in lines of at most kLineWidth characters.
void write_wrapped(std::ostream& out, const std::string& text) {
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    if (!line.empty() && line.size() + 1 + word.size() > kLineWidth) {
      out << line << '\n';
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) out << line << '\n';
}

// A line without the blanks that pad its last column.
void write_line(std::ostream& out, const std::string& line) {
  out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
}

void write_levels(std::ostream& out, const Study& study) {
  out << "level  elements  mesh size\n";
  for (std::size_t k = 0; k < study.levels.size(); ++k) {
    const LevelFacts& level = study.levels[k];
    std::string line = right(std::to_string(k + 1), 5) + right(std::to_string(level.elements), 9) +
                       ' ' + padded(formatted("%.6g", level.h), 12);
    if (study.own == static_cast<int>(k)) line += " the input as given";
    if (level.small_pivot) line += " (the solver noted a pivot below its tolerance)";
    write_line(out, line);
  }
}

void write_quantity(std::ostream& out, const Quantity& q, bool own) {
  std::string line = padded(q.kind + ' ' + std::to_string(q.number), kNameWidth);
  for (const double value : q.values) line += right(formatted("%.9e", value), kValueWidth - 1);
  line += right(shown(q.estimate.order, "%.2f"), kOrderWidth) +
          right(shown(q.estimate.extrapolated, "%.9e"), kValueWidth - 1) +
          right(shown(q.estimate.error, "%.2e"), kErrorWidth);
  if (own) line += right(shown(q.own_error, "%.2e"), kErrorWidth);
  write_line(out, line + ' ' + flag(q.estimate.verdict));
}

std::string full(double value) { return formatted("%.17g", value); }
std::string full(const std::optional<double>& value) { return value ? full(*value) : ""; }

}  // namespace

std::string flag(Verdict verdict) {
  switch (verdict) {
    case Verdict::extrapolated:
      return "";
    case Verdict::round_off:
      return "not extrapolated: differences at rounding level";
    case Verdict::sign_change:
      return "not extrapolated: differences change sign";
    case Verdict::order_out_of_range:
      break;
  }
  return "not extrapolated: order outside " + formatted("%g", kMinOrder) + " to " +
         formatted("%g", kMaxOrder);
}

void write_table(std::ostream& out, const Study& study, const std::string& input) {
  out << "Convergence of " << input << " over " << study.levels.size() << " levels\n\n";
  write_levels(out, study);
  out << '\n';
  write_wrapped(out, study.scope);
  std::string header = padded("quantity", kNameWidth);
  for (std::size_t k = 1; k <= study.levels.size(); ++k)
    header += right("level " + std::to_string(k), kValueWidth - 1);
  header += right("order", kOrderWidth) + right("extrapolated", kValueWidth - 1) +
            right("error finest", kErrorWidth);
  if (study.own) header += right("error input", kErrorWidth);
  out << '\n';
  write_line(out, header);
  for (const Quantity& q : study.quantities) write_quantity(out, q, study.own.has_value());
  out << '\n';
  write_wrapped(out,
                "order: observed from the last three levels. error: the level's value minus the "
                "extrapolated one, the estimated error of that level; the finest level's value "
                "lies within about its error of the exact one. A quantity not extrapolated is "
                "not yet in its asymptotic range: its error is not estimated.");
}

void write_csv(std::ostream& out, const Study& study) {
  const std::size_t n = study.levels.size();
  std::vector<std::string> header{"quantity", "number"};
  for (std::size_t k = 1; k <= n; ++k) header.push_back("level" + std::to_string(k));
  for (const char* name : {"order", "extrapolated", "error_finest", "error_input", "flag"})
    header.push_back(name);
  textio::write_record(out, header);
  std::vector<std::string> elements{"elements", ""}, h{"h", ""};
  for (const LevelFacts& level : study.levels) {
    elements.push_back(std::to_string(level.elements));
    h.push_back(full(level.h));
  }
  elements.resize(header.size());
  h.resize(header.size());
  textio::write_record(out, elements);
  textio::write_record(out, h);
  for (const Quantity& q : study.quantities) {
    std::vector<std::string> row{q.kind, std::to_string(q.number)};
    for (const double value : q.values) row.push_back(full(value));
    for (const auto& value :
         {q.estimate.order, q.estimate.extrapolated, q.estimate.error, q.own_error})
      row.push_back(full(value));
    row.push_back(flag(q.estimate.verdict));
    textio::write_record(out, row);
  }
}

}  // namespace converge
