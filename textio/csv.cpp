#include "textio/csv.hpp"

#include "textio/printable.hpp"

namespace textio {

std::string csv_field(std::string_view raw) {
  const std::string text = textio::printable(raw);  // no CR or LF is left
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void write_record(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) out << (i > 0 ? "," : "") << csv_field(fields[i]);
  out << "\r\n";
}

}  // namespace textio
