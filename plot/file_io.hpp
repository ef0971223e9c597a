// Whole files in and out, with messages that name the file and the reason.
#pragma once

#include <string>

namespace plot {

// The bytes of the file at path; `role` names it in the message of the
// PlotError thrown when it cannot be read ("input file", "report").
std::string read_file(const std::string& path, const std::string& role);

// Creates or overwrites the file at path with bytes, or throws a PlotError.
void write_file(const std::string& path, const std::string& bytes);

}  // namespace plot
