// The potential over the whole drawing: a regular grid of points, each
// evaluated from the report's boundary solution by the program's own
// boundary sum (POTENT, with the mirror images), or left out.
#pragma once

#include <memory>
#include <vector>

#include "geometry/checks.hpp"
#include "tools/plot/problem.hpp"

namespace plot {

inline constexpr int kDefaultGridPoints = 100;  // the capacity case in about a second
inline constexpr int kMinGridPoints = 10;
inline constexpr int kMaxGridPoints = 1000;

// Near the boundary the constant-element sum is poor: points closer to an
// element than this many of its lengths, or than a grid step, are left out.
inline constexpr double kNearBoundary = 1.0;

struct FieldGrid {
  Point origin;  // point (0, 0), the low corner of the problem's box
  double step = 0.0;
  int nx = 0, ny = 0;
  std::vector<double> value;  // of point (i, j) at i + nx * j; NaN where not drawn
  bool has_medium = false;    // some points lie beyond an interface, in its medium

  double at(int i, int j) const { return value[static_cast<std::size_t>(i + nx * j)]; }
  Point point(double i, double j) const { return {origin.x + i * step, origin.y + j * step}; }
};

// The program's state holding the report's boundary solution: potential in
// POTB and normal derivative in DPOTB (0 for interface nodes), as the
// program has them when it evaluates its internal points.
std::unique_ptr<velda::Velda> solved_state(const Problem& problem, const Results& results);

// The potential at `points` points along the longer side of the problem's
// box, on all threads. Drawn are the points of the region and those inside
// a loop made only of interface elements of one EPS > 0, whose medium holds
// the sum divided by EPS; not those within kNearBoundary element lengths, or
// a grid step, of an element or its mirror images.
FieldGrid compute_field(const Problem& problem, const geometry::Chains& chains,
                        const Results& results, int points);

}  // namespace plot
