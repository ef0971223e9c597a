// Points and vectors of the plane, in the problem's coordinates or on the
// picture.
#pragma once

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

namespace plot {

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

// The smallest upright rectangle around a set of points.
struct Box {
  Point low, high;
  double width() const { return high.x - low.x; }
  double height() const { return high.y - low.y; }
  double extent() const { return width() > height() ? width() : height(); }
};

// The box around points, of which there is at least one.
inline Box box_around(const std::vector<Point>& points) {
  assert(!points.empty());
  Box box{points.front(), points.front()};
  for (const Point& p : points) {
    box.low = {std::min(box.low.x, p.x), std::min(box.low.y, p.y)};
    box.high = {std::max(box.high.x, p.x), std::max(box.high.y, p.y)};
  }
  return box;
}

// Distance from p to the segment a-b.
inline double distance_to_segment(Point p, Point a, Point b) {
  const Point ab = b - a;
  const double ab2 = dot(ab, ab);
  double t = ab2 > 0.0 ? dot(p - a, ab) / ab2 : 0.0;
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  return distance(p, a + t * ab);
}

}  // namespace plot
