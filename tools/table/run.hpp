// velda-table: the results of many reports as one table of comma-separated
// values on standard output.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "runcontrol/tool_run.hpp"

namespace table {

inline constexpr int kExitAllComplete = 0;
inline constexpr int kExitNotAllComplete = 1;  // a run that did not finish, or no report
inline constexpr int kExitUsage = runcontrol::kExitUsage;  // a wrong command line

// The arguments after the program's name. The rows go to `out`; a line for
// each report that is not complete goes to `err` after them.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace table
