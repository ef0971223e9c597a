// Elements that cross each other, or overlap along a stretch. Elements that
// merely touch at an end, as neighbours do and as boundaries that meet at a
// corner do, are not reported. With symmetry, an element is also checked
// against the mirror images of all elements: a described part that reaches
// over an axis crosses its own image.
#pragma once

#include <vector>

#include "plot/mirror.hpp"
#include "plot/warnings.hpp"

namespace plot {

struct Crossing {
  int element_a = 0;        // 1-based, as described
  int element_b = 0;        // 1-based
  bool b_mirrored = false;  // element_b is a mirror image of that element
  bool overlap = false;     // they lie along each other, rather than cross
  Point where;
};

// Every crossing between pieces, once. `tolerance` is the distance below
// which points count as the same.
std::vector<Crossing> find_crossings(const std::vector<Piece>& pieces, double tolerance);

// One warning for all the crossings, or none.
std::vector<Warning> crossing_warnings(const std::vector<Crossing>& crossings);

}  // namespace plot
