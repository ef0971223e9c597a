// Whole files in and out, with messages that name the file and the reason.
#pragma once

#include <string>

namespace plot {

// The lines of the file at path, each ended by LF; `role` names it in the
// message of the PlotError thrown when it cannot be read ("input file",
// "report"), or has a line longer than textio::kMaxLineLength or more than
// 64 MiB.
std::string read_file(const std::string& path, const std::string& role);

// Creates or replaces the file at path with bytes, whole or not at all (see
// textio::replacing_file), or throws a PlotError.
void write_file(const std::string& path, const std::string& bytes);

}  // namespace plot
