// A warning about the problem as described: said on the console and shown in
// the picture.
#pragma once

#include <string>
#include <vector>

#include "plot/point.hpp"

namespace plot {

struct Warning {
  std::string text;            // what is wrong, in the user's terms
  std::vector<Point> marks;    // places to circle, in problem coordinates
  std::vector<Point> outline;  // a closed loop to highlight, or empty
};

}  // namespace plot
