// Comma-separated values as RFC 4180 has them, the form velda-table,
// velda-converge and velda-matrix write: records ended by CR LF,
// fields separated by commas, and a field that holds a comma, a double
// quote, a CR or an LF enclosed in double quotes, each double quote in it
// doubled. Blanks are part of a field and are kept. The text is UTF-8
// throughout: bytes that are not well-formed UTF-8, and control characters,
// are shown as \xNN, as the program's messages show them.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace textio {

std::string csv_field(std::string_view text);

void write_record(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace textio
