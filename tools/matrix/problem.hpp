// The input read as velda reads it: its own input step and element geometry,
// with the same refusals, each step under the same checks as in a run.
#pragma once

#include <cfenv>
#include <memory>
#include <stdexcept>
#include <string>

#include "2D/VELDA.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/files.hpp"

namespace matrix {

// No matrix can be formed for this input; what() says why in the user's
// terms.
class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs one step as velda's driver does: named in the traceback of a failure;
// a floating-point division by zero, overflow or invalid operation in it
// ends with a failure report, and so does any exception other than a stop,
// a failure or a refusal, as an internal error. (The driver keeps its own
// copy, so that its failure reports name the places they always named.)
template <typename Body>
void step(const char* routine, Body body) {
  const runcontrol::Routine active(routine);
  std::feclearexcept(FE_ALL_EXCEPT);
  try {
    body();
  } catch (const runcontrol::Stop&) {
    throw;
  } catch (const runcontrol::Failure&) {
    throw;
  } catch (const Refusal&) {
    throw;
  } catch (...) {
    throw runcontrol::internal_error();
  }
  runcontrol::check_arithmetic();
}

struct Problem {
  std::unique_ptr<velda::Velda> state;  // after INPUMPC and GEOM
  std::string title;                    // the title line, without the blanks around it
};

// Reads the input file `name` from `files`. Throws runcontrol::Failure when it
// cannot be read or its geometry fails as velda's would, and Refusal with
// velda's own reason when velda refuses it.
Problem read_problem(runcontrol::FileSystem& files, const std::string& name);

}  // namespace matrix
