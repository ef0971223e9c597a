#include "textio/run_end.hpp"

namespace textio {
namespace {

constexpr const char* kPlainStop = "Stop - Program terminated.";

void close_all(Units& units) {
  units.keyboard.close();
  units.input.close();
  units.report.close();
  units.console.close();
}

}  // namespace

int end_with_stop(Units& units, const Stop& stop, std::ostream& error) {
  try {
    units.console.line(stop.message.empty() ? kPlainStop : stop.message);
    close_all(units);
  } catch (const Failure& failure) {
    return end_with_failure(units, failure, error);
  }
  return kExitStop;
}

int end_with_failure(Units& units, const Failure& failure, std::ostream& error) {
  error << failure.report() << std::flush;
  try {
    close_all(units);
  } catch (const Failure&) {
    // Already ending on a failure: a channel that cannot take its last line
    // end adds nothing the user needs.
  }
  return kExitFailure;
}

}  // namespace textio
