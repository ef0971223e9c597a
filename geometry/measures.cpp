#include <algorithm>
#include <cassert>

#include "geometry/shape.hpp"

namespace geometry {

Box box_around(const std::vector<Point>& points) {
  assert(!points.empty());
  Box box{points.front(), points.front()};
  for (const Point& p : points) {
    box.low = {std::min(box.low.x, p.x), std::min(box.low.y, p.y)};
    box.high = {std::max(box.high.x, p.x), std::max(box.high.y, p.y)};
  }
  return box;
}

double distance_to_segment(Point p, Point a, Point b) {
  const Point ab = b - a;
  const double ab2 = dot(ab, ab);
  const double t = ab2 > 0.0 ? std::clamp(dot(p - a, ab) / ab2, 0.0, 1.0) : 0.0;
  return distance(p, a + t * ab);
}

// The shoelace formula: 2A = sum over edges (x_i y_{i+1} - x_{i+1} y_i).
double twice_signed_area(const std::vector<Point>& polygon) {
  double sum = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i)
    sum += cross(polygon[i], polygon[(i + 1) % polygon.size()]);
  return sum;
}

}  // namespace geometry
