#include "plot/view.hpp"

#include <cmath>

#include "plot/plot_error.hpp"
#include "plot/style.hpp"

namespace plot {

View::View(const Box& world, Point corner)
    : world_(world), corner_(corner), scale_(style::kPlotSize / world.extent()) {
  if (!std::isfinite(world.extent()) || !std::isfinite(scale_) || !(scale_ > 0.0))
    throw PlotError("the problem's coordinates span too small or too large a range to draw");
}

Point View::direction(Point v) const {
  const Point up{v.x, -v.y};
  const double n = length(up);
  return n > 0.0 ? (1.0 / n) * up : Point{};
}

}  // namespace plot
