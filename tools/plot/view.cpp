#include "tools/plot/view.hpp"

#include <cmath>

#include "tools/plot/plot_error.hpp"
#include "tools/plot/style.hpp"

namespace plot {

View::View(const geometry::Box& world, Point corner)
    : world_(world), corner_(corner), scale_(style::kPlotSize / world.extent()) {
  if (!std::isfinite(world.extent()) || !std::isfinite(scale_) || !(scale_ > 0.0))
    throw PlotError("the problem's coordinates span too small or too large a range to draw");
}

Point View::direction(Point v) const {
  const Point up{v.x, -v.y};
  const double n = length(up);
  return n > 0.0 ? (1.0 / n) * up : Point{};
}

std::vector<Point> arrow_head(Point tip, Point t, double length, double width) {
  const Point base = tip - length * t;
  const Point side = (0.5 * width) * Point{-t.y, t.x};
  return {tip, base + side, base - side};
}

}  // namespace plot
