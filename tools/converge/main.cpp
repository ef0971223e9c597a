// velda-converge: the results of a VELDA input with their estimated errors.
// Usage: velda-converge INPUT [--levels K] [--csv] [--keep DIR]; --help tells more.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "tools/converge/run.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return converge::run(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
