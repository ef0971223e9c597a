// The checks of a problem as described, each a warning said on the console
// and shown in the picture: boundaries that run against the region-on-the-
// left rule or do not close (orientation.cpp), elements that cross
// (crossings.cpp), internal points outside the region (region.cpp). Worked
// out once, in examine(), and shared by the console and the picture.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "geometry/shape.hpp"

namespace geometry {

// Points closer than this fraction of the problem's size count as the same:
// the ends of boundaries that join, a point on an element.
inline constexpr double kSamePlace = 1.0E-6;

struct Warning {
  std::string text;            // what is wrong, in the user's terms
  std::vector<Point> marks;    // places to circle, in problem coordinates
  std::vector<Point> outline;  // a closed loop to highlight, or empty
};

// A closed loop of the boundary: pieces joined end to start until they come
// back to where they began. A closed boundary is a loop by itself; a region
// may also be closed by several boundaries, or by a boundary and its image.
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

// Elements that cross each other, or overlap along a stretch. Elements that
// merely touch at an end are not reported. With symmetry, an element is also
// checked against the mirror images of all elements: a described part that
// reaches over an axis crosses its own image.
struct Crossing {
  int element_a = 0;        // 1-based, as described
  int element_b = 0;        // 1-based
  bool b_mirrored = false;  // element_b is a mirror image of that element
  bool overlap = false;     // they lie along each other, rather than cross
  Point where;
};

enum class Whereabouts { INSIDE, OUTSIDE, ON_BOUNDARY };

struct Examination {
  Chains chains;
  std::vector<Crossing> crossings;
  std::vector<Whereabouts> whereabouts;  // of each internal point
  std::vector<Warning> warnings;         // orientation, crossings, internal points
};

Examination examine(const Shape& problem);

// Joins the pieces whose ends lie within `tolerance` of each other, each
// piece used once, and nests the loops.
Chains chain_pieces(const std::vector<Piece>& pieces, double tolerance);

// One warning for each loop that runs against its nesting (outer boundaries
// counter-clockwise, holes clockwise, islands in a hole counter-clockwise
// again) and for each chain that does not close. Loops made of mirror images
// alone repeat what their originals show, and loops through a boundary in
// `crossed` have no sense of rotation to judge: neither is reported.
std::vector<Warning> orientation_warnings(const std::vector<Piece>& pieces, const Chains& chains,
                                          const std::set<int>& crossed);

// Every crossing between pieces, once, and one warning for all of them.
std::vector<Crossing> find_crossings(const std::vector<Piece>& pieces, double tolerance);
std::vector<Warning> crossing_warnings(const std::vector<Crossing>& crossings);

// Where each internal point lies: within `tolerance` of an element it is on
// the boundary; otherwise inside when the loops wind around it as often as
// they do just inside an outer boundary. Without closed loops every point
// counts as inside. One warning for those outside, one for those on the
// boundary.
std::vector<Whereabouts> locate_internal_points(const Shape& problem, const Chains& chains,
                                                double tolerance);
std::vector<Warning> region_warnings(const Shape& problem,
                                     const std::vector<Whereabouts>& whereabouts);

// How many times the loops wind around a point of the region: once when
// some outermost loop runs counter-clockwise, else not at all.
int region_winding(const Chains& chains);

// Whether p (not on the boundary) lies in the region, by the rule above.
bool in_region(Point p, const Chains& chains);

// The index of the innermost loop around p, -1 when none is.
int innermost_loop(Point p, const Chains& chains);

// How many times the polygon winds counter-clockwise around p (p not on it).
int winding_number(Point p, const std::vector<Point>& polygon);

// Distance from p to the nearest edge of the polygon.
double distance_to_polygon(Point p, const std::vector<Point>& polygon);

}  // namespace geometry
