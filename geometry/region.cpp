// Internal points that lie outside the region, or on its boundary. The
// region is where the closed loops wind around a point as often as they do
// just inside an outer boundary: once when some outermost loop runs
// counter-clockwise, and not at all when every outermost loop runs clockwise
// (the region is then the unbounded one outside them).
#include <optional>
#include <string>

#include "geometry/checks.hpp"

namespace geometry {
namespace {

constexpr std::size_t kListedPoints = 4;  // named in a warning; the rest counted

bool on_boundary(Point p, const std::vector<Piece>& pieces, double tolerance) {
  for (const Piece& piece : pieces)
    for (std::size_t k = 0; k + 1 < piece.points.size(); ++k)
      if (distance_to_segment(p, piece.points[k], piece.points[k + 1]) <= tolerance) return true;
  return false;
}

std::optional<Warning> warning_for(const Shape& problem,
                                   const std::vector<Whereabouts>& whereabouts, Whereabouts which,
                                   const std::string& where, const std::string& consequence) {
  Warning w;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < whereabouts.size(); ++i) {
    if (whereabouts[i] != which) continue;
    names.push_back(std::to_string(i + 1) + " at " + place(problem.internal[i]));
    w.marks.push_back(problem.internal[i]);
  }
  if (names.empty()) return std::nullopt;
  if (names.size() == 1)
    w.text = "Internal point " + names.front() + " lies " + where + ". " + consequence;
  else
    w.text = std::to_string(names.size()) + " internal points lie " + where + ": " +
             enumerated(names, kListedPoints) + ". " + consequence;
  return w;
}

}  // namespace

std::vector<Whereabouts> locate_internal_points(const Shape& problem, const Chains& chains,
                                                double tolerance) {
  std::vector<Whereabouts> whereabouts;
  for (const Point& p : problem.internal)
    whereabouts.push_back(on_boundary(p, problem.pieces, tolerance) ? Whereabouts::ON_BOUNDARY
                          : in_region(p, chains)                    ? Whereabouts::INSIDE
                                                                    : Whereabouts::OUTSIDE);
  return whereabouts;
}

int region_winding(const Chains& chains) {
  for (const Loop& loop : chains.loops)
    if (loop.depth == 0 && loop.area > 0.0) return 1;
  return 0;
}

bool in_region(Point p, const Chains& chains) {
  if (chains.loops.empty()) return true;
  int w = 0;
  for (const Loop& loop : chains.loops) w += winding_number(p, loop.polygon);
  return w == region_winding(chains);
}

int innermost_loop(Point p, const Chains& chains) {
  int innermost = -1;
  for (std::size_t k = 0; k < chains.loops.size(); ++k) {
    const Loop& loop = chains.loops[k];
    if ((innermost < 0 || loop.depth > chains.loops[innermost].depth) &&
        winding_number(p, loop.polygon) != 0)
      innermost = static_cast<int>(k);
  }
  return innermost;
}

std::vector<Warning> region_warnings(const Shape& problem,
                                     const std::vector<Whereabouts>& whereabouts) {
  std::vector<Warning> warnings;
  if (auto w = warning_for(problem, whereabouts, Whereabouts::OUTSIDE, "outside the region",
                           "The values computed there do not belong to the problem."))
    warnings.push_back(*w);
  if (auto w = warning_for(problem, whereabouts, Whereabouts::ON_BOUNDARY, "on the boundary",
                           "The values computed there are not reliable: move such points "
                           "into the region."))
    warnings.push_back(*w);
  return warnings;
}

}  // namespace geometry
