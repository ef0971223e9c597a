// Writes the input file of the capacity case (fixtures/capacity_case.hpp).
// Usage: make_capacity_case [FILE [ELEMENTS INTERNAL_POINTS]]; standard
// output without FILE, 1600 elements and 5000 internal points by default.
#include <fstream>
#include <iostream>
#include <string>

#include "fixtures/capacity_case.hpp"

int main(int argc, char** argv) {
  int elements = fixtures::kCapacityElements;
  int internal_points = fixtures::kCapacityInternalPoints;
  if (argc == 4) {
    elements = std::stoi(argv[2]);
    internal_points = std::stoi(argv[3]);
  }
  const std::string input = fixtures::quarter_box_case(elements, internal_points);
  if (argc < 2) {
    std::cout << input;
    return 0;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << input;
  return file ? 0 : 1;
}
