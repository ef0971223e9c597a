// velda-matrix: the capacitance matrix of a VELDA input's currents groups.
// Usage: velda-matrix INPUT [--csv]; --help tells more.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "runcontrol/files.hpp"
#include "tools/matrix/run.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  runcontrol::DiskFiles disk;
  // The steps' progress only for a user watching: standard error a terminal.
  return matrix::run(args, std::cout, std::cerr, disk, isatty(STDERR_FILENO) == 1);
}
