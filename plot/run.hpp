// One run of velda-plot: the command line in, the picture out.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace plot {

inline constexpr int kExitDrawn = 0;    // the picture is written, warnings or not
inline constexpr int kExitRefused = 1;  // a file cannot be read or written, or is refused
inline constexpr int kExitUsage = 2;    // a wrong command line

// args are the arguments after the program's name. The name of the picture
// written, or the help text, goes to out; warnings and what went wrong to err.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace plot
