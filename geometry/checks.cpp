#include "geometry/checks.hpp"

#include <algorithm>
#include <deque>

namespace geometry {
namespace {

// The next unused piece that starts where `end` is (forward), or that ends
// where `start` is (backward); -1 if none.
int next_piece(const std::vector<Piece>& pieces, const std::vector<bool>& used, Point at,
               bool forward, double tolerance) {
  for (std::size_t j = 0; j < pieces.size(); ++j) {
    if (used[j]) continue;
    const Point joint = forward ? pieces[j].points.front() : pieces[j].points.back();
    if (distance(joint, at) <= tolerance) return static_cast<int>(j);
  }
  return -1;
}

Loop loop_of(const std::vector<Piece>& pieces, const std::deque<int>& chain) {
  Loop loop;
  for (int i : chain) {
    loop.pieces.push_back(i);
    const auto& points = pieces[i].points;
    loop.polygon.insert(loop.polygon.end(), points.begin(), points.end() - 1);
  }
  loop.area = 0.5 * twice_signed_area(loop.polygon);
  return loop;
}

// Whether loop a lies inside loop b, judged at a vertex of a that is not on
// b (loops may touch). Loops that lie on each other are not nested.
bool inside(const Loop& a, const Loop& b, double tolerance) {
  for (const Point& p : a.polygon)
    if (distance_to_polygon(p, b.polygon) > tolerance) return winding_number(p, b.polygon) != 0;
  return false;
}

// Depth: the number of loops around a loop. Parent: the innermost of them,
// the one of greatest depth.
void nest(std::vector<Loop>& loops, double tolerance) {
  const std::size_t n = loops.size();
  std::vector<bool> within(n * n);  // within[a * n + b]: loop a lies inside loop b
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      if (a != b && inside(loops[a], loops[b], tolerance)) {
        within[a * n + b] = true;
        ++loops[a].depth;
      }
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      if (within[a * n + b] &&
          (loops[a].parent < 0 || loops[b].depth > loops[loops[a].parent].depth))
        loops[a].parent = static_cast<int>(b);
}

}  // namespace

Chains chain_pieces(const std::vector<Piece>& pieces, double tolerance) {
  Chains chains;
  std::vector<bool> used(pieces.size(), false);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    std::deque<int> chain{static_cast<int>(i)};
    const Point start = pieces[i].points.front();
    Point end = pieces[i].points.back();
    while (distance(end, start) > tolerance) {
      const int j = next_piece(pieces, used, end, true, tolerance);
      if (j < 0) break;
      used[j] = true;
      chain.push_back(j);
      end = pieces[j].points.back();
    }
    if (distance(end, start) <= tolerance) {
      chains.loops.push_back(loop_of(pieces, chain));
      continue;
    }
    // An open chain: take in what leads into it too, so it is reported whole.
    int j = next_piece(pieces, used, start, false, tolerance);
    while (j >= 0) {
      used[j] = true;
      chain.push_front(j);
      j = next_piece(pieces, used, pieces[j].points.front(), false, tolerance);
    }
    chains.open.emplace_back(chain.begin(), chain.end());
  }
  nest(chains.loops, tolerance);
  return chains;
}

Examination examine(const Shape& problem) {
  Examination e;
  const double tolerance = kSamePlace * problem.bounds.extent();
  e.chains = chain_pieces(problem.pieces, tolerance);
  e.crossings = find_crossings(problem.pieces, tolerance);
  e.whereabouts = locate_internal_points(problem, e.chains, tolerance);
  std::set<int> crossed;
  for (const Crossing& c : e.crossings)
    for (int J : {c.element_a, c.element_b}) crossed.insert(problem.elements[J - 1].boundary);
  for (auto found : {orientation_warnings(problem.pieces, e.chains, crossed),
                     crossing_warnings(e.crossings), region_warnings(problem, e.whereabouts)})
    e.warnings.insert(e.warnings.end(), found.begin(), found.end());
  return e;
}

// Counts the edges that cross the ray from p towards +x: upward crossings
// with p on their left add one, downward crossings with p on their right
// take one away.
int winding_number(Point p, const std::vector<Point>& polygon) {
  int w = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point a = polygon[i];
    const Point b = polygon[(i + 1) % polygon.size()];
    const double side = cross(b - a, p - a);
    if (a.y <= p.y && b.y > p.y && side > 0.0) ++w;
    if (a.y > p.y && b.y <= p.y && side < 0.0) --w;
  }
  return w;
}

double distance_to_polygon(Point p, const std::vector<Point>& polygon) {
  double nearest = distance(p, polygon.front());
  for (std::size_t i = 0; i < polygon.size(); ++i)
    nearest =
        std::min(nearest, distance_to_segment(p, polygon[i], polygon[(i + 1) % polygon.size()]));
  return nearest;
}

}  // namespace geometry
