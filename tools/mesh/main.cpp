// velda-mesh: a VELDA input from a Gmsh model.
// Usage: velda-mesh MODEL [-o INPUT] [options]; --help tells more.
#include <iostream>
#include <string>
#include <vector>

#include "tools/mesh/run.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return mesh::run(args, std::cout, std::cerr);
}
