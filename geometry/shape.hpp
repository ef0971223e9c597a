// The geometry of a problem as described: boundaries made of elements, each
// with its node and boundary-condition code, the internal points, the
// symmetry flags, and the boundaries as polylines with their mirror images.
// What the checks (checks.hpp) judge, whoever built it: velda-plot from an
// input file, an importer from a mesh.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "lib/point.hpp"

namespace geometry {

using lib::Point;

struct Element {
  Point start, end;
  Point node;        // midpoint, where the unknowns live
  Point tangent;     // unit vector from start to end
  int code = 0;      // boundary-condition code of the node
  int boundary = 0;  // 1-based number of its boundary

  // On the right of the direction of travel: the side taken as outward.
  Point normal() const { return {tangent.y, -tangent.x}; }
};

// Elements first .. first + count - 1 (0-based) of the element list.
struct Boundary {
  int first = 0;
  int count = 0;
};

// The smallest upright rectangle around a set of points.
struct Box {
  Point low, high;
  double width() const { return high.x - low.x; }
  double height() const { return high.y - low.y; }
  double extent() const { return std::max(width(), height()); }
};

// One boundary, or one mirror image of it, as a polyline in order of travel.
// A single reflection reverses the sense of rotation, so its image is
// traversed backwards to keep the region on its left.
struct Piece {
  int boundary = 0;       // 1-based number of the boundary it shows
  bool mirrored = false;  // an image, not the boundary as described
  double weight = 1.0;    // of the image: its potential is weight times the described one's
  std::vector<Point> points;
  std::vector<int> elements;  // 1-based element of each segment points[i] - points[i+1]
};

struct Shape {
  int ISYMX = 0;                  // weight of the image x -> -x, 0 for none
  int ISYMY = 0;                  // weight of the image y -> -y, 0 for none
  std::vector<Element> elements;  // element J is elements[J - 1]
  std::vector<Boundary> boundaries;
  std::vector<Point> internal;  // internal point J is internal[J - 1]
  std::vector<Piece> pieces;    // boundaries as described, then their mirror images
  Box bounds;                   // around the pieces and the internal points
};

// The box around points, of which there is at least one.
Box box_around(const std::vector<Point>& points);

// Distance from p to the segment a-b.
double distance_to_segment(Point p, Point a, Point b);

// Twice the signed area of a polygon: positive when its vertices run
// counter-clockwise.
double twice_signed_area(const std::vector<Point>& polygon);

// Up to six significant digits, as %g writes them: 0.5, 1.25e-07.
std::string short_number(double value);

// (x, y) with short numbers, as messages and warnings name a place.
std::string place(Point p);

// The wording of warnings: "a", "a and b", "a, b and c"; and the first
// `shown` items separated by semicolons with a count of the rest, "a; b (and
// 3 more)".
std::string listed(const std::vector<std::string>& items);
std::string enumerated(const std::vector<std::string>& items, std::size_t shown);

}  // namespace geometry
