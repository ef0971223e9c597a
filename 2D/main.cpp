// VELDA: two-dimensional steady potential problems by the boundary element
// method. Usage: velda [INPUT [REPORT]]; a name not given is asked for.
// VELDA_SIMD, when set, names the path of the influence integrals' functions
// (2D/influence_maths.hpp) instead of the widest the processor runs.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "2D/driver.hpp"
#include "2D/influence_maths.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/run_end.hpp"

int main(int argc, char** argv) {
  try {
    velda::choose_influence_maths(std::getenv("VELDA_SIMD"));
  } catch (const std::invalid_argument& refused) {
    std::cerr << "velda: " << refused.what() << "\n";
    return runcontrol::kExitFailure;
  }
  const std::vector<std::string> args(argv, argv + argc);
  // The whole problem state, about 21 MB, allocated once and zero-filled.
  const std::unique_ptr<velda::Velda> state(new (std::nothrow) velda::Velda());
  if (!state) {
    const runcontrol::Routine routine("main");
    std::cerr << runcontrol::Failure(runcontrol::Statement::ALLOCATE, "problem state",
                                     "there is not enough memory for the problem state (" +
                                         std::to_string(sizeof(velda::Velda) >> 20) + " MiB)")
                     .report();
    return runcontrol::kExitFailure;
  }
  runcontrol::DiskFiles disk;
  return velda::run(*state, args, {std::cin, std::cout, std::cerr}, disk);
}
