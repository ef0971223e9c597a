// velda-matrix: the capacitance (conductance) matrix of a problem's currents
// groups, from one assembly and one elimination.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "runcontrol/files.hpp"
#include "runcontrol/tool_run.hpp"

namespace matrix {

inline constexpr int kExitWritten = 0;
inline constexpr int kExitNoMatrix = 1;  // input refused, no matrix possible, or a failure
inline constexpr int kExitUsage = runcontrol::kExitUsage;  // a wrong command line

// The arguments after the program's name. The matrix goes to `out`; notes,
// warnings, refusals and failure reports to `err`. The input is read from
// `files`. With `progress` set, a line before each costly step goes to `err`
// as well, for a user watching a terminal.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err,
        runcontrol::FileSystem& files, bool progress = false);

}  // namespace matrix
