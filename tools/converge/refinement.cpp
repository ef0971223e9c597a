#include "tools/converge/refinement.hpp"

#include <cmath>

namespace converge {
namespace {

using lib::Point;

// Whether p lies between a and b, on the segment joining them.
bool on_segment(Point a, Point p, Point b) {
  const Point ab = b - a;
  const double ab2 = dot(ab, ab);
  return std::fabs(cross(ab, p - a)) <= kStraightness * ab2 && dot(p - a, ab) > 0.0 &&
         dot(b - p, ab) > 0.0;
}

Outline merged(const Outline& b) {
  Outline m{{b.points.front()}, {}};
  const std::size_t n = b.records.size();
  std::size_t e = 0;
  while (e < n) {
    const bool join = e + 1 < n && b.records[e] == b.records[e + 1] &&
                      on_segment(b.points[e], b.points[e + 1], b.points[e + 2]);
    const std::size_t step = join ? 2 : 1;
    m.records.push_back(b.records[e]);
    m.points.push_back(b.points[e + step]);
    e += step;
  }
  return m;
}

}  // namespace

PolygonInput split(const PolygonInput& input, int parts) {
  PolygonInput fine = input;
  for (Outline& b : fine.boundaries) {
    Outline cut{{b.points.front()}, {}};
    for (std::size_t e = 0; e < b.records.size(); ++e) {
      const Point a = b.points[e], z = b.points[e + 1];
      for (int k = 1; k < parts; ++k) {
        const double t = static_cast<double>(k) / parts;
        cut.points.push_back({a.x + (z.x - a.x) * t, a.y + (z.y - a.y) * t});
      }
      cut.points.push_back(z);
      cut.records.insert(cut.records.end(), parts, b.records[e]);
    }
    b = std::move(cut);
  }
  return fine;
}

PolygonInput merge_pairs(const PolygonInput& input) {
  PolygonInput coarse = input;
  for (Outline& b : coarse.boundaries) b = merged(b);
  return coarse;
}

}  // namespace converge
