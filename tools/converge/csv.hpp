// Comma-separated values as RFC 4180 has them, the form velda-table writes:
// records ended by CR LF, fields separated by commas, and a field that holds
// a comma, a double quote, a CR or an LF enclosed in double quotes, each
// double quote in it doubled.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace converge {

void write_record(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace converge
