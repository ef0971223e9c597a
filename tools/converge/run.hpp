// velda-converge: how many digits of a result are right, from the same
// problem solved on finer and coarser boundaries.
// velda-converge INPUT [--levels K] [--csv] [--keep DIR]; --help tells more.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "runcontrol/tool_run.hpp"

namespace converge {

inline constexpr int kExitDone = 0;     // the table is written, flags or not
inline constexpr int kExitRefused = 1;  // the input refused, a level not solved or not kept
inline constexpr int kExitUsage = runcontrol::kExitUsage;  // a wrong command line

inline constexpr int kDefaultLevels = 3;
inline constexpr int kMinLevels = 3;  // the observed order takes three
inline constexpr int kMaxLevels = 8;

// args are the arguments after the program's name. The table, or the help
// text, goes to out; what went wrong to err, and, when `progress` is set,
// the level being solved.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err,
        bool progress = false);

}  // namespace converge
