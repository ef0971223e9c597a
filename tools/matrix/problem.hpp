// The input read as velda reads it: its own input step and element geometry,
// with the same refusals, each step under the same checks as in a run.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "2D/VELDA.hpp"
#include "runcontrol/files.hpp"

namespace matrix {

// No matrix can be formed for this input; what() says why in the user's
// terms.
class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Problem {
  std::unique_ptr<velda::Velda> state;  // after INPUMPC and GEOM
  std::string title;                    // the title line, without the blanks around it
};

// Reads the input file `name` from `files`. Throws runcontrol::Failure when it
// cannot be read or its geometry fails as velda's would, and Refusal with
// velda's own reason when velda refuses it.
Problem read_problem(runcontrol::FileSystem& files, const std::string& name);

}  // namespace matrix
