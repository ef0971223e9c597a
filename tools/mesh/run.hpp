// velda-mesh: writes the VELDA input of a Gmsh model.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "runcontrol/tool_run.hpp"

namespace mesh {

inline constexpr int kExitWritten = 0;
inline constexpr int kExitRefused = 1;  // the model refused, or a file not read or written
inline constexpr int kExitUsage = runcontrol::kExitUsage;  // a wrong command line

// The arguments after the program's name. The input goes to the file of -o,
// else to `out`; messages go to `err`.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace mesh
