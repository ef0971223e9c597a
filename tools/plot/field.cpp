// The potential's colour map and scale, and the gradient arrows at the
// internal points or over the field grid. Drawn at every point, arrows would cover the field for
// thousands of points; one arrow per cell of a coarse grid shows the flow and
// stays readable. Lengths are proportional to the gradient's magnitude, the
// longest drawn taking a fixed length.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <utility>

#include "tools/plot/picture.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kLevels = 255.0;  // steps of one 8-bit colour channel

// Ten control colours of viridis, equally spaced from t = 0 to t = 1; the
// map between them is interpolated linearly.
constexpr std::array<Rgb, 10> kViridis{{
    {0x44 / kLevels, 0x01 / kLevels, 0x54 / kLevels},
    {0x48 / kLevels, 0x28 / kLevels, 0x78 / kLevels},
    {0x3e / kLevels, 0x4a / kLevels, 0x89 / kLevels},
    {0x31 / kLevels, 0x68 / kLevels, 0x8e / kLevels},
    {0x26 / kLevels, 0x82 / kLevels, 0x8e / kLevels},
    {0x1f / kLevels, 0x9e / kLevels, 0x89 / kLevels},
    {0x35 / kLevels, 0xb7 / kLevels, 0x79 / kLevels},
    {0x6d / kLevels, 0xcd / kLevels, 0x59 / kLevels},
    {0xb4 / kLevels, 0xde / kLevels, 0x2c / kLevels},
    {0xfd / kLevels, 0xe7 / kLevels, 0x25 / kLevels},
}};

// Steps between ticks, and between contour levels, times a power of ten.
constexpr std::array<double, 5> kTickSteps{1.0, 2.0, 2.5, 5.0, 10.0};
constexpr std::array<double, 4> kLevelSteps{1.0, 2.0, 5.0, 10.0};
// Rounding that a tick may carry and still count as inside the range.
constexpr double kTickSlack = 1.0E-9;

int channel(double c) { return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * kLevels)); }

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

std::string hex(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", channel(c.r), channel(c.g), channel(c.b));
  return text;
}

Rgb viridis(double t) {
  const double at = std::clamp(std::isnan(t) ? 0.0 : t, 0.0, 1.0) * (kViridis.size() - 1);
  const std::size_t i = std::min(static_cast<std::size_t>(at), kViridis.size() - 2);
  const double f = at - static_cast<double>(i);
  const Rgb& a = kViridis[i];
  const Rgb& b = kViridis[i + 1];
  return {a.r + f * (b.r - a.r), a.g + f * (b.g - a.g), a.b + f * (b.b - a.b)};
}

// (value - low) / (high - low), computed on halves when the difference of
// two large values would overflow.
double ColourScale::fraction(double value) const {
  if (!(high_ > low_)) return 0.5;
  const double t = std::isfinite(high_ - low_)
                       ? (value - low_) / (high_ - low_)
                       : (0.5 * value - 0.5 * low_) / (0.5 * high_ - 0.5 * low_);
  return std::clamp(t, 0.0, 1.0);
}

std::vector<double> ColourScale::ticks(int most) const { return round_values(most, kTickSteps); }

std::vector<double> ColourScale::levels(int most) const { return round_values(most, kLevelSteps); }

std::vector<double> ColourScale::round_values(int most, std::span<const double> steps) const {
  const double range = high_ - low_;
  if (!(range > 0.0) || !std::isfinite(range) || most < 2) return {low_};
  const double least_step = range / (most - 1);
  const double power = std::pow(10.0, std::floor(std::log10(least_step)));
  double step = steps.back() * power;
  for (double m : steps)
    if (m * power >= least_step) {
      step = m * power;
      break;
    }
  std::vector<double> values;
  const double first = std::ceil(low_ / step);
  for (int k = 0; (first + k) * step <= high_ + kTickSlack * step; ++k) {
    const double v = (first + k) * step;
    values.push_back(std::fabs(v) < kTickSlack * step ? 0.0 : v);  // no 1e-17 for 0
  }
  return values;
}

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
