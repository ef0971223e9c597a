// Closed loops of the boundary: pieces joined end to start until they come
// back to where they began. A closed boundary is a loop by itself; a region
// may also be closed by several boundaries, or by a boundary and its mirror
// image.
#pragma once

#include <vector>

#include "plot/mirror.hpp"
#include "plot/point.hpp"

namespace plot {

struct Loop {
  std::vector<int> pieces;     // indices into the piece list, in order of travel
  std::vector<Point> polygon;  // its vertices, the first not repeated at the end
  double area = 0.0;           // signed: positive when it runs counter-clockwise
  int depth = 0;               // how many other loops lie around it
  int parent = -1;             // the innermost loop around it, -1 for none
};

struct Chains {
  std::vector<Loop> loops;
  std::vector<std::vector<int>> open;  // pieces that close no loop, in order of travel
};

// Joins the pieces whose ends lie within `tolerance` of each other. Each
// piece is used once.
Chains chain_pieces(const std::vector<Piece>& pieces, double tolerance);

// Twice the signed area of a polygon: positive when its vertices run
// counter-clockwise.
double twice_signed_area(const std::vector<Point>& polygon);

// How many times the polygon winds counter-clockwise around p (p not on it).
int winding_number(Point p, const std::vector<Point>& polygon);

// Distance from p to the nearest edge of the polygon.
double distance_to_polygon(Point p, const std::vector<Point>& polygon);

}  // namespace plot
