// One run of velda-plot: the command line in, the picture out.
// velda-plot INPUT [REPORT] [-o PICTURE.svg] [--grid N] [--no-field] [--vtk FILE.vtm];
// --help tells more.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <variant>

#include "runcontrol/tool_run.hpp"

namespace plot {

inline constexpr int kExitDrawn = 0;    // the picture is written, warnings or not
inline constexpr int kExitRefused = 1;  // a file cannot be read or written, or is refused
inline constexpr int kExitUsage = runcontrol::kExitUsage;  // a wrong command line

struct Request {
  std::string input;
  std::string report;   // empty: draw the problem only
  std::string picture;  // the input's name with .svg unless -o gives one
  bool field = true;    // with a report: the potential over the region
  int grid = 0;         // points of the field along the longer side, see --help
  std::string vtk;      // empty, or the VTK collection (.vtm) to write as well
};
struct HelpWanted {};
struct UsageError {
  std::string message;
};

// The arguments after the program's name.
std::variant<Request, HelpWanted, UsageError> parse_command_line(std::span<const std::string> args);

// args are the arguments after the program's name. The name of the picture
// written, or the help text, goes to out; warnings and what went wrong to err.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace plot
