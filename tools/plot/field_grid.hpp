// The potential over the whole drawing: a regular grid of points, each
// evaluated from the report's boundary solution by the program's own
// boundary sum (POTENT, with the mirror images), given the boundary's own
// potential, or left out.
#pragma once

#include <memory>
#include <vector>

#include "geometry/checks.hpp"
#include "geometry/segment_index.hpp"
#include "tools/plot/problem.hpp"

namespace plot {

inline constexpr int kDefaultGridPoints = 100;  // the capacity case in about a second
inline constexpr int kMinGridPoints = 10;
inline constexpr int kMaxGridPoints = 1000;

// Gradient arrows keep this share of an element's length away from every
// element. Beside the boundary the constant elements' gradient is poor,
// though the potential there is as good as far from it: where the potential
// varies along the boundary (u = x in a square), the gradient is off by 4.5 %
// at half a length from an element end and by 18 % at 0.3; on the annulus
// u = ln r, where it does not, by 16 % at 0.001 of a length from an end
// (field_test.cpp measures both).
inline constexpr double kGradientClearance = 0.5;

enum class FieldPoint : char {
  OUTSIDE,   // not drawn
  REGION,    // in the region: POTENT's sum
  MEDIUM,    // inside a loop of interface elements: the sum divided by its EPS
  BOUNDARY,  // on the boundary: its own potential
  BEYOND,    // outside, at the corner of a cell that the boundary crosses: the
             // boundary's potential carried over, for the picture to clip
};

struct FieldGrid {
  Point origin;  // point (0, 0), the low corner of the problem's box
  double step = 0.0;
  int nx = 0, ny = 0;
  std::vector<double> value;     // of point (i, j) at i + nx * j; NaN where not drawn
  std::vector<FieldPoint> kind;  // of each point, in the same order
  std::vector<int> media;        // the loops whose inside holds a medium's potential
  bool has_medium = false;       // some points lie beyond an interface, in its medium

  double at(int i, int j) const { return value[index(i, j)]; }
  FieldPoint kind_at(int i, int j) const { return kind[index(i, j)]; }
  Point point(double i, double j) const { return {origin.x + i * step, origin.y + j * step}; }
  std::size_t index(int i, int j) const { return static_cast<std::size_t>(i + nx * j); }
};

// The program's state holding the report's boundary solution: potential in
// POTB and normal derivative in DPOTB (0 for interface nodes), as the
// program has them when it evaluates its internal points.
std::unique_ptr<velda::Velda> solved_state(const Problem& problem, const Results& results);

// The potential at `points` points along the longer side of the problem's
// box, on all threads. Every point of the region holds POTENT's sum, and
// every point inside a loop made only of interface elements of one EPS > 0
// the sum divided by EPS, the potential of that medium: the sum is as good
// beside the boundary as far from it. Points on the boundary, and those
// outside at the corners of cells the boundary crosses, hold the
// boundary's own potential (boundary_potential), so that bands and lines
// run into the boundary; the picture clips them to it.
FieldGrid compute_field(const Problem& problem, const geometry::Chains& chains,
                        const Results& results, int points);

// The potential of the boundary where `at` falls on it: the node values of
// its piece, linear from node to node along the boundary, and constant on
// the half elements at a piece's open ends.
double boundary_potential(const Problem& problem, const Results& results,
                          const geometry::Nearest& at);

}  // namespace plot
