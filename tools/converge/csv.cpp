#include "tools/converge/csv.hpp"

#include <string_view>

namespace converge {
namespace {

std::string csv_field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

void write_record(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) out << (i > 0 ? "," : "") << csv_field(fields[i]);
  out << "\r\n";
}

}  // namespace converge
