// The problem as the picture needs it: boundaries made of elements, each
// with its node and boundary-condition code, the internal points, the
// symmetry flags, and the boundaries as drawn with their mirror images. Read
// with the program's own input step, element geometry and mirror images, so
// the picture shows exactly what a run would solve.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "2D/images.hpp"
#include "report/report.hpp"
#include "tools/plot/plot_error.hpp"

namespace plot {

using lib::Point;
using report::InternalResult;
using report::NodeResult;
using report::Results;

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
  std::vector<Point> points;
  std::vector<int> elements;  // 1-based element of each segment points[i] - points[i+1]
};

struct Problem {
  std::string title;              // as the report shows it
  int ISYMX = 0;                  // weight of the image x -> -x, 0 for none
  int ISYMY = 0;                  // weight of the image y -> -y, 0 for none
  std::vector<Element> elements;  // element J is elements[J - 1]
  std::vector<Boundary> boundaries;
  std::vector<Point> internal;  // internal point J is internal[J - 1]
  std::vector<Piece> pieces;    // boundaries as described, then their mirror images
  Box bounds;                   // around the pieces and the internal points
  // The program's state as its input step and element geometry left it,
  // from which the solution is evaluated with the program's own sums.
  std::shared_ptr<const velda::Velda> state;
};

// Reads the input file at path, or throws a PlotError that says what is
// wrong with it.
Problem read_problem(const std::string& path);

// The same from the text of an input file; name is used in messages.
Problem problem_from_text(const std::string& text, const std::string& name);

// Throws a PlotError unless the report lists the nodes and internal points
// of this problem, at the same places to the printed precision, with
// gradients small enough to draw.
void check_report_matches(const Problem& problem, const Results& results,
                          const std::string& input_name, const std::string& report_name);

// Up to six significant digits, as %g writes them: 0.5, 1.25e-07.
std::string short_number(double value);

// (x, y) with short numbers, as messages and warnings name a place.
std::string place(Point p);

// The box around points, of which there is at least one.
Box box_around(const std::vector<Point>& points);

// Distance from p to the segment a-b.
double distance_to_segment(Point p, Point a, Point b);

// Twice the signed area of a polygon: positive when its vertices run
// counter-clockwise.
double twice_signed_area(const std::vector<Point>& polygon);

}  // namespace plot
