// The gradient arrows at the internal points or over the field grid. Drawn at every point, arrows
// would cover the field for thousands of points; one arrow per cell of a coarse grid shows the flow
// and stays readable. Lengths are proportional to the gradient's magnitude, the longest drawn
// taking a fixed length.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <utility>

#include "tools/plot/canvas.hpp"
#include "tools/plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kGradientShortest = 2.5;  // shorter arrows are left out
constexpr double kGradientHead = 6.0;
constexpr double kGradientHeadShare = 0.5;  // at most, of a short arrow
constexpr double kGradientHeadWidth = 0.9;  // in head lengths
// A gradient below this share of (potential range / size of the problem) is
// rounding noise of a uniform potential, and is not drawn.
constexpr double kNegligibleGradient = 1.0E-9;

// Indices of the points kept, in increasing order, when a grid of square
// cells laid over the picture keeps at most one point in each: the one
// nearest the cell's centre.
std::vector<std::size_t> thin_out(const std::vector<Point>& points, double cell) {
  std::map<std::pair<long, long>, std::size_t> kept;  // by cell: the point nearest its centre
  const auto centre_distance = [&](std::size_t i) {
    const Point p = points[i];
    return distance(p,
                    {(std::floor(p.x / cell) + 0.5) * cell, (std::floor(p.y / cell) + 0.5) * cell});
  };
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::pair<long, long> key{std::lround(std::floor(points[i].x / cell)),
                                    std::lround(std::floor(points[i].y / cell))};
    const auto [slot, fresh] = kept.try_emplace(key, i);
    if (!fresh && centre_distance(i) < centre_distance(slot->second)) slot->second = i;
  }
  std::vector<std::size_t> chosen;
  for (const auto& [key, i] : kept) chosen.push_back(i);
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

}  // namespace

std::optional<Gradients> thinned_gradients(const std::vector<Arrow>& arrows, const View& view,
                                           double typical) {
  std::vector<Point> screen;
  for (const Arrow& a : arrows) screen.push_back(view.at(a.at));
  Gradients g;
  for (std::size_t i : thin_out(screen, kGradientCell)) {
    g.arrows.push_back(arrows[i]);
    g.longest = std::max(g.longest, length(arrows[i].gradient));
  }
  if (!(g.longest > kNegligibleGradient * typical) || !(g.longest > 0.0)) return std::nullopt;
  return g;
}

std::optional<Gradients> gradients_of(const Problem& problem, const Results* results,
                                      const View& view, const ColourScale& potentials) {
  if (!results) return std::nullopt;
  std::vector<Arrow> arrows;
  for (std::size_t i = 0; i < problem.internal.size(); ++i)
    arrows.push_back({problem.internal[i], results->internal[i].gradient});
  return thinned_gradients(arrows, view,
                           (potentials.high() - potentials.low()) / problem.bounds.extent());
}

void draw_gradients(const Canvas& c) {
  if (!c.gradients) return;
  const double longest = c.gradients->longest;
  std::string shafts, heads;
  for (const Arrow& a : c.gradients->arrows) {
    const double size = kGradientLongest * (length(a.gradient) / longest);
    if (size < kGradientShortest) continue;
    const Point t = c.view.direction(a.gradient);
    // Centred on its point, so that arrows by the boundary stay clear of it.
    const Point from = c.view.at(a.at) - (0.5 * size) * t;
    const Point tip = from + size * t;
    const double head = std::min(kGradientHead, kGradientHeadShare * size);
    shafts += path_data({from, tip - head * t}, false) + " ";
    heads += path_data(arrow_head(tip, t, head, kGradientHeadWidth * head), true) + " ";
  }
  c.svg.element("path", {{"class", "gradient"}, {"d", shafts}});
  c.svg.element("path", {{"class", "head"}, {"d", heads}});
}

}  // namespace plot
