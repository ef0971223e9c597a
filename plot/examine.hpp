// Everything the checks find out about a problem, worked out once and
// shared by the console and the picture.
#pragma once

#include <vector>

#include "plot/crossings.hpp"
#include "plot/loops.hpp"
#include "plot/mirror.hpp"
#include "plot/problem.hpp"
#include "plot/region.hpp"
#include "plot/warnings.hpp"

namespace plot {

// Points closer than this fraction of the problem's size count as the same:
// the ends of boundaries that join, a point on an element.
inline constexpr double kSamePlace = 1.0E-6;

struct Examination {
  std::vector<Piece> pieces;  // boundaries as described, then mirror images
  Box bounds;                 // around pieces and internal points
  Chains chains;
  std::vector<Crossing> crossings;
  std::vector<Whereabouts> whereabouts;  // of each internal point
  std::vector<Warning> warnings;         // orientation, crossings, internal points
};

Examination examine(const Problem& problem);

}  // namespace plot
