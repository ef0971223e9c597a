// Boundary problems built directly in the problem state, for the tests of the
// boundary steps: point lists of polygons and circles, and the solution of a
// set-up problem.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "2D/VELDA.hpp"
#include "lib/point.hpp"

namespace velda::test {

using lib::Point;

// The corners of a polyline with each leg cut into m equal elements: the
// corners themselves appear exactly, the last corner once.
std::vector<Point> polyline(const std::vector<Point>& corners, int m);

// The rectangle (x0, y0)-(x1, y1) counter-clockwise from (x0, y0), m elements
// per side, closed: the first point is repeated last.
std::vector<Point> rectangle(double x0, double y0, double x1, double y1, int m);

// The regular n-gon inscribed in the circle about (cx, cy) of radius r, from
// the angle 0, closed; counter-clockwise unless clockwise is set.
std::vector<Point> circle(double cx, double cy, double r, int n, bool clockwise);

// The same points, each mirrored (x -> -x when in_x, y -> -y otherwise) and
// taken in reverse order, so that the region stays on the left.
std::vector<Point> mirrored(const std::vector<Point>& points, bool in_x);

// A problem state with a boundary through each point list, after GEOM.
std::unique_ptr<Velda> geometry(const std::vector<std::vector<Point>>& boundaries);

// Sets the code of nodes first..last and their value from their position.
void prescribe(Velda& v, int first, int last, int code,
               const std::function<double(double, double)>& value);

// A cylinder of radius 1 and permittivity EPS about the origin in the uniform
// field of potential x: the square (-3,-3)-(3,3) counter-clockwise, 6 elements
// per side, at the exact potential x (1 + (1 - EPS)/((1 + EPS) r^2)) (nodes
// 1..24), and the circle clockwise in 32 interface elements (nodes 25..56).
// Inside the cylinder the potential is 2x/(1 + EPS).
std::unique_ptr<Velda> dielectric_cylinder(double EPS);

// GHMAMPC, the solver and REORDER, after GEOM and the boundary conditions;
// returns the solver status.
int solve(Velda& v);

}  // namespace velda::test
