// One step of a run under the run's checks: the driver's, and those of the
// tools that run the program's steps themselves.
#pragma once

#include <cfenv>

#include "runcontrol/failure.hpp"

namespace velda {

// Runs one step under its routine's name. A floating-point division by zero,
// overflow or invalid operation in it ends the run with a failure report, so
// that no result that is not a finite number reaches the report; so does any
// exception other than a stop or a failure, as an internal error of the step.
// Such a report names `where`, the place the step is run from.
template <typename Body>
void step(const char* routine, Body body,
          runcontrol::SourcePosition where = runcontrol::SourcePosition::current()) {
  const runcontrol::Routine active(routine);
  std::feclearexcept(FE_ALL_EXCEPT);
  try {
    body();
  } catch (const runcontrol::Stop&) {
    throw;
  } catch (const runcontrol::Failure&) {
    throw;
  } catch (...) {
    throw runcontrol::internal_error(where);
  }
  runcontrol::check_arithmetic(where);
}

}  // namespace velda
