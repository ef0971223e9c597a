// Elements that cross each other, or overlap along a stretch.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "geometry/checks.hpp"

namespace geometry {
namespace {

constexpr std::size_t kListedCrossings = 4;  // named in the warning; the rest counted

struct Segment {
  Point a, b;
  int element = 0;
  bool mirrored = false;
  Box box;
};

std::vector<Segment> segments_of(const std::vector<Piece>& pieces) {
  std::vector<Segment> segments;
  for (const Piece& piece : pieces)
    for (std::size_t k = 0; k < piece.elements.size(); ++k) {
      const Point a = piece.points[k], b = piece.points[k + 1];
      segments.push_back(
          {a,
           b,
           piece.elements[k],
           piece.mirrored,
           {{std::min(a.x, b.x), std::min(a.y, b.y)}, {std::max(a.x, b.x), std::max(a.y, b.y)}}});
    }
  return segments;
}

bool boxes_meet(const Box& p, const Box& q, double tolerance) {
  return p.low.x <= q.high.x + tolerance && q.low.x <= p.high.x + tolerance &&
         p.low.y <= q.high.y + tolerance && q.low.y <= p.high.y + tolerance;
}

// With r = p.b - p.a and s = q.b - q.a, dc and dd are the signed distances
// of q's ends from the line of p, da and db those of p's ends from the line
// of q. The segments cross when both pairs change sign beyond the
// tolerance, at q.a + dc / (dc - dd) * s. When q lies along the line of p,
// they overlap where their projections on p share more than the tolerance.
struct Meeting {
  Point where;
  bool overlap = false;
};

std::optional<Meeting> meeting(const Segment& p, const Segment& q, double tolerance) {
  const Point r = p.b - p.a, s = q.b - q.a;
  const double lp = length(r), lq = length(s);
  const double dc = cross(r, q.a - p.a) / lp, dd = cross(r, q.b - p.a) / lp;
  if (std::fabs(dc) <= tolerance && std::fabs(dd) <= tolerance) {
    const double t0 = dot(q.a - p.a, r) / lp, t1 = dot(q.b - p.a, r) / lp;
    const double lo = std::max(0.0, std::min(t0, t1)), hi = std::min(lp, std::max(t0, t1));
    if (hi - lo <= tolerance) return std::nullopt;
    return Meeting{p.a + (0.5 * (lo + hi) / lp) * r, true};
  }
  const double da = cross(s, p.a - q.a) / lq, db = cross(s, p.b - q.a) / lq;
  const auto opposite = [tolerance](double u, double v) {
    return (u > tolerance && v < -tolerance) || (u < -tolerance && v > tolerance);
  };
  if (!opposite(dc, dd) || !opposite(da, db)) return std::nullopt;
  return Meeting{q.a + (dc / (dc - dd)) * s, false};
}

std::string named(const Crossing& c) {
  return std::to_string(c.element_a) + " and " + (c.b_mirrored ? "the mirror image of " : "") +
         std::to_string(c.element_b) + (c.overlap ? " overlap at " : " at ") + place(c.where);
}

}  // namespace

// Each described element against the later described ones and against every
// mirrored one. A crossing of a with the image of b has its mirror copy in
// the crossing of b with the image of a, so only b >= a is kept.
std::vector<Crossing> find_crossings(const std::vector<Piece>& pieces, double tolerance) {
  const std::vector<Segment> segments = segments_of(pieces);
  std::vector<Crossing> crossings;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& p = segments[i];
    if (p.mirrored) continue;
    for (std::size_t j = 0; j < segments.size(); ++j) {
      const Segment& q = segments[j];
      if (q.mirrored ? q.element < p.element : j <= i) continue;
      if (!boxes_meet(p.box, q.box, tolerance)) continue;
      if (const auto m = meeting(p, q, tolerance))
        crossings.push_back({p.element, q.element, q.mirrored, m->overlap, m->where});
    }
  }
  return crossings;
}

std::vector<Warning> crossing_warnings(const std::vector<Crossing>& crossings) {
  if (crossings.empty()) return {};
  Warning w;
  std::vector<std::string> names;
  for (const Crossing& c : crossings) {
    names.push_back(named(c));
    w.marks.push_back(c.where);
  }
  const std::size_t n = crossings.size();
  w.text = "Elements cross each other " +
           (n == 1 ? std::string("once") : "in " + std::to_string(n) + " places") + ": elements " +
           enumerated(names, kListedCrossings) +
           ". Boundaries must not cross; each element needs the region on one side only.";
  return {w};
}

}  // namespace geometry
