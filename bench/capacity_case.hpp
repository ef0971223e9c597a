// The capacity case: a real problem at the program's limits, and the same
// problem at smaller sizes.
//
// A box of 4 x 3 with a round conductor and a round dielectric cylinder
// inside it, symmetric about both axes, so that only the quarter x, y >= 0 is
// described and both symmetry flags are on. Every boundary is traversed with
// the region on its left:
//   boundary 1, the box wall, from (2, 0) up to (2, 1.5) and left to (0, 1.5):
//     the side x = 2 grounded (code -1, currents group 1); on the top, an
//     impedance strip (code 2), a guard electrode at 0.5 (code 0) and an
//     insulating window (code 1) towards the axis;
//   boundary 2, the conductor, centre (0.8, 0.6), radius 0.3, clockwise, at
//     potential 1 (code -2, currents group 2);
//   boundary 3, the dielectric, centre (1.5, 0.9), radius 0.25, clockwise, an
//     interface with EPS = 4 (code 3).
// The internal points are a Halton sequence over the quarter box, keeping
// those farther than a margin from every boundary: all lie strictly inside
// the region.
#pragma once

#include <string>
#include <vector>

#include "lib/point.hpp"

namespace bench {

// The regular n-gon inscribed in the circle about (cx, cy) of radius r, from
// the angle 0 and closed on its first point (n + 1 points); counter-clockwise
// unless clockwise is set.
std::vector<lib::Point> circle(double cx, double cy, double r, int n, bool clockwise);

inline constexpr int kCapacityElements = 1600;
inline constexpr int kCapacityInternalPoints = 5000;

// The input file of the case with `elements` boundary elements (at least 40)
// and `internal_points` internal points. Coordinates are written with 17
// significant digits, so the program reads back exactly the points computed.
std::string quarter_box_case(int elements, int internal_points);

}  // namespace bench
