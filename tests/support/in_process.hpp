// A tool's `run(args, out, err)` called in process, as its main calls it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/process.hpp"

namespace test_support {

// The status `run` returns and what it wrote to out and err.
template <typename Run>
Outcome in_process(const Run& run, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace test_support
