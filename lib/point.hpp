// Points and vectors of the plane, shared by velda-plot and the tests that
// build problems from point lists.
#pragma once

#include <cmath>

namespace lib {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(double s, Point a) { return {s * a.x, s * a.y}; }
inline double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
// The z component of a x b: positive when b turns counter-clockwise from a.
inline double cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
inline double length(Point a) { return std::hypot(a.x, a.y); }
inline double distance(Point a, Point b) { return length(b - a); }

}  // namespace lib
