// Contours of the field grid by marching squares: for one level, the
// outlines of where the potential is at least that level, and the lines
// where it equals it. Cells with four corners drawn take part whole, those
// with three by the triangle of them, so that the outlines follow the drawn
// part's edge, where it is cut off, in steps no steeper than the diagonal.
#pragma once

#include <vector>

#include "tools/plot/field_grid.hpp"

namespace plot {

struct Contour {
  // Closed loops, in problem coordinates, with the part at or above the
  // level on their left: filled with the nonzero rule they cover it.
  std::vector<std::vector<Point>> outlines;
  // Polylines along the level, with the higher side on their left.
  std::vector<std::vector<Point>> lines;
};

// A cell whose corners alternate about the level (a saddle) is joined
// through its middle when the mean of its corners is at least the level.
Contour contour(const FieldGrid& grid, double level);

}  // namespace plot
