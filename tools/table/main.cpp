// velda-table: the results of VELDA reports as comma-separated values.
// Usage: velda-table [--nodes | --internal] REPORT...; --help tells more.
#include <iostream>
#include <string>
#include <vector>

#include "tools/table/run.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return table::run(args, std::cout, std::cerr);
}
