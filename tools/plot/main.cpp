// velda-plot: draws a VELDA problem, and its solution, as one SVG picture.
// Usage: velda-plot INPUT [REPORT] [-o PICTURE.svg]; --help tells more.
#include <iostream>
#include <string>
#include <vector>

#include "tools/plot/run.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return plot::run(args, std::cout, std::cerr);
}
