// VELDA: two-dimensional steady potential problems by the boundary element
// method. Usage: velda [INPUT [REPORT]]; a name not given is asked for.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "2D/driver.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  // The whole problem state, about 21 MB, allocated once and zero-filled.
  const auto state = std::make_unique<velda::Velda>();
  textio::DiskFiles disk;
  return velda::run(*state, args, {std::cin, std::cout, std::cerr}, disk);
}
