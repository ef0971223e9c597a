// One level solved by a whole run of the program, in memory: its own steps
// on a state of its own, on all the machine's threads.
#pragma once

#include <string>
#include <vector>

namespace converge {

struct Solution {
  std::string report;  // the report file's bytes, as the program writes them
  int elements = 0;
  bool small_pivot = false;       // the report notes a pivot below the tolerance
  std::vector<double> flux;       // of currents groups 1, 2, ...
  std::vector<double> potential;  // at internal points 1, 2, ...
  std::vector<double> gradient_x;
  std::vector<double> gradient_y;
};

// The run on `input` as level `k` (counted from 1), whose files the run
// names levelK.in and levelK.out as --keep does; or Refused with what the
// program said when the run does not end with its plain stop.
Solution solve_level(const std::string& input, int k);

}  // namespace converge
