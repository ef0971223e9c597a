// What the user sees when a run ends, and its exit status.
#pragma once

#include <ostream>
#include <string_view>

#include "runcontrol/failure.hpp"
#include "textio/units.hpp"

namespace runcontrol {

inline constexpr int kExitStop = 0;
inline constexpr int kExitFailure = 1;

// The console's last line after a plain stop.
inline constexpr std::string_view kPlainStop = "Stop - Program terminated.";

// A stop: the report is closed and takes the place of its name, any pending
// console line is ended, the message (or kPlainStop) is
// written as a line of its own, and every channel still open is closed.
int end_with_stop(textio::Units& units, const Stop& stop, std::ostream& error);

// A failure: the failure report goes to standard error, the report as far as
// it was written takes the place of its name (unless writing it failed: then
// the old file stays), and every channel still open is closed with its
// pending line end.
int end_with_failure(textio::Units& units, const Failure& failure, std::ostream& error);

}  // namespace runcontrol
