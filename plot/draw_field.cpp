// Gradient arrows at the internal points. Drawn at every point they would
// cover the field for thousands of points; one arrow per cell of a coarse
// grid shows the flow and stays readable. Lengths are proportional to the
// gradient's magnitude, the longest drawn taking a fixed length.
#include <algorithm>
#include <string>

#include "plot/draw.hpp"
#include "plot/style.hpp"
#include "plot/thinning.hpp"

namespace plot {
namespace {

using namespace style;

// A gradient below this share of (potential range / size of the problem) is
// rounding noise of a uniform potential, and is not drawn.
constexpr double kNegligibleGradient = 1.0E-9;

std::vector<std::size_t> arrow_points(const Canvas& c) {
  std::vector<Point> screen;
  for (const Point& p : c.problem.internal) screen.push_back(c.view.at(p));
  return thin_out(screen, kGradientCell);
}

}  // namespace

std::optional<double> gradient_reference(const Canvas& c) {
  if (!c.results) return std::nullopt;
  double longest = 0.0;
  for (std::size_t i : arrow_points(c))
    longest = std::max(longest, length(c.results->internal[i].gradient));
  const double typical =
      (c.potentials->high() - c.potentials->low()) / c.examination.bounds.extent();
  if (!(longest > kNegligibleGradient * typical) || !(longest > 0.0)) return std::nullopt;
  return longest;
}

void draw_gradients(const Canvas& c) {
  const auto reference = gradient_reference(c);
  if (!reference) return;
  const double longest = *reference;
  std::string shafts, heads;
  for (std::size_t i : arrow_points(c)) {
    const Point g = c.results->internal[i].gradient;
    const double size = kGradientLongest * (length(g) / longest);
    if (size < kGradientShortest) continue;
    const Point t = c.view.direction(g);
    // Centred on its point, so that arrows by the boundary stay clear of it.
    const Point from = c.view.at(c.problem.internal[i]) - (0.5 * size) * t;
    const Point tip = from + size * t;
    const double head = std::min(kGradientHead, kGradientHeadShare * size);
    shafts += path_data({from, tip - head * t}, false) + " ";
    heads += path_data(arrow_head(tip, t, head, kGradientHeadWidth * head), true) + " ";
  }
  c.svg.element("path", {{"class", "gradient"}, {"d", shafts}});
  c.svg.element("path", {{"class", "head"}, {"d", heads}});
}

}  // namespace plot
