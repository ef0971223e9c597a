// The potential field over the region: bands of colour between round
// levels, the level lines, the gradient arrows of the field grid and labels
// on a few lines, above the arrows. The mirror images are veiled, to show
// faintly what the symmetry adds to the part described.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "geometry/segment_index.hpp"
#include "tools/plot/canvas.hpp"
#include "tools/plot/contours.hpp"
#include "tools/plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr int kMostLabels = 6;          // level lines labelled, at most
constexpr double kLabelSpacing = 60.0;  // at least, between two labels
constexpr const char* kClipId = "region";

std::string outlines_path(const View& view, const std::vector<std::vector<Point>>& loops,
                          bool closed) {
  std::string d;
  for (const auto& loop : loops) {
    std::vector<Point> screen;
    for (const Point& p : loop) screen.push_back(view.at(p));
    if (screen.size() >= 2) d += path_data(screen, closed) + " ";
  }
  return d;
}

// The side of each axis the described part lies on: +1 or -1 by the sum of
// its nodes' coordinates.
Point described_side(const Problem& problem) {
  Point sum;
  for (const Element& e : problem.elements) sum = sum + e.node;
  return {sum.x < 0.0 ? -1.0 : 1.0, sum.y < 0.0 ? -1.0 : 1.0};
}

// The least and the greatest value drawn; infinite when nothing is.
std::pair<double, double> drawn_range(const FieldGrid& grid) {
  double lowest = std::numeric_limits<double>::infinity(), highest = -lowest;
  for (double u : grid.value)
    if (!std::isnan(u)) lowest = std::min(lowest, u), highest = std::max(highest, u);
  return {lowest, highest};
}

// Along a polyline on the picture: its length and the point half way.
std::pair<double, Point> middle_of(const std::vector<Point>& line) {
  double total = 0.0;
  for (std::size_t k = 0; k + 1 < line.size(); ++k) total += distance(line[k], line[k + 1]);
  double along = 0.0;
  for (std::size_t k = 0; k + 1 < line.size(); ++k) {
    const double piece = distance(line[k], line[k + 1]);
    if (along + piece >= 0.5 * total && piece > 0.0)
      return {total, line[k] + ((0.5 * total - along) / piece) * (line[k + 1] - line[k])};
    along += piece;
  }
  return {total, line.front()};
}

// Whether the grid point nearest p holds a value of the region or a medium,
// not one carried beyond the boundary, which the clip path hides.
bool in_drawn_part(const FieldGrid& grid, Point p) {
  const int i = static_cast<int>(std::lround((p.x - grid.origin.x) / grid.step));
  const int j = static_cast<int>(std::lround((p.y - grid.origin.y) / grid.step));
  if (i < 0 || j < 0 || i >= grid.nx || j >= grid.ny) return false;
  const FieldPoint kind = grid.kind_at(i, j);
  return kind == FieldPoint::REGION || kind == FieldPoint::MEDIUM;
}

// The value of every few levels at the middle of its longest line outside
// the mirror images, kept apart from the labels placed before.
void label_levels(const Canvas& c, const std::vector<double>& levels,
                  const std::vector<Contour>& contours) {
  std::vector<std::size_t> lined;
  for (std::size_t k = 0; k < levels.size(); ++k)
    if (!contours[k].lines.empty()) lined.push_back(k);
  const std::size_t every = (lined.size() + kMostLabels - 1) / kMostLabels;
  std::vector<Point> placed;
  for (std::size_t n = 0; n < lined.size(); n += std::max<std::size_t>(every, 1)) {
    const std::size_t k = lined[n];
    double longest = 0.0;
    Point at;
    for (const auto& line : contours[k].lines) {
      std::vector<Point> screen;
      for (const Point& p : line)
        if (!in_mirror_image(c.problem, p) && in_drawn_part(*c.field, p))
          screen.push_back(c.view.at(p));
      if (screen.size() < 2) continue;
      const auto [size, middle] = middle_of(screen);
      if (size > longest) longest = size, at = middle;
    }
    const bool crowded = std::any_of(placed.begin(), placed.end(),
                                     [&](Point p) { return distance(p, at) < kLabelSpacing; });
    if (!(longest > 0.0) || crowded) continue;
    placed.push_back(at);
    c.svg.text({{"class", "label"},
                {"x", number(at.x)},
                {"y", number(at.y)},
                {"text-anchor", "middle"},
                {"dy", kCentred}},
               short_number(levels[k]));
  }
}

// White, half transparent, over the parts of the plot that mirror images
// fill: the far side of the y axis, and the far side of the x axis on the
// near side of the y axis.
void veil_mirror_images(const Canvas& c) {
  if (c.problem.ISYMX == 0 && c.problem.ISYMY == 0) return;
  const View& v = c.view;
  const Point side = described_side(c.problem);
  const Point zero = v.at({0.0, 0.0});
  const double left = v.corner().x, right = left + v.width();
  const double top = v.corner().y, bottom = top + v.height();
  const auto clamp_x = [&](double x) { return std::clamp(x, left, right); };
  const auto clamp_y = [&](double y) { return std::clamp(y, top, bottom); };
  // The described side on the picture, y pointing down.
  double near_left = left, near_right = right;
  std::string d;
  if (c.problem.ISYMX != 0) {
    const double x0 = side.x > 0.0 ? left : clamp_x(zero.x);
    const double x1 = side.x > 0.0 ? clamp_x(zero.x) : right;
    d += path_data({{x0, top}, {x1, top}, {x1, bottom}, {x0, bottom}}, true) + " ";
    (side.x > 0.0 ? near_left : near_right) = clamp_x(zero.x);
  }
  if (c.problem.ISYMY != 0) {
    const double y0 = side.y > 0.0 ? clamp_y(zero.y) : top;
    const double y1 = side.y > 0.0 ? bottom : clamp_y(zero.y);
    d += path_data({{near_left, y0}, {near_right, y0}, {near_right, y1}, {near_left, y1}}, true);
  }
  c.svg.element("path", {{"class", "veil"}, {"d", d}});
}

// The part of the plot the field fills, as the region's exact outline: the
// loops of the boundaries and their mirror images under the even-odd rule
// (holes and islands alternate), with the frame added when the region is the
// unbounded one outside them, and the inside of each loop holding a medium.
void define_clip(const Canvas& c, const std::string& id) {
  const geometry::Chains& chains = c.examination.chains;
  std::vector<std::vector<Point>> loops;
  for (const geometry::Loop& loop : chains.loops) loops.push_back(loop.polygon);
  if (geometry::region_winding(chains) == 0) {
    const Box& b = c.problem.bounds;
    loops.push_back({b.low, {b.high.x, b.low.y}, b.high, {b.low.x, b.high.y}});
  }
  c.svg.open("defs");
  c.svg.open("clipPath", {{"id", id}});
  c.svg.element("path", {{"clip-rule", "evenodd"}, {"d", outlines_path(c.view, loops, true)}});
  for (int m : c.field->media)
    c.svg.element(
        "path",
        {{"d", outlines_path(c.view, {chains.loops[static_cast<std::size_t>(m)].polygon}, true)}});
  c.svg.close();
  c.svg.close();
}

}  // namespace

std::vector<double> field_levels(const FieldGrid& field) {
  const auto [lowest, highest] = drawn_range(field);
  if (!std::isfinite(lowest)) return {};
  return ColourScale(lowest, highest).levels(kFieldLevels);
}

bool in_mirror_image(const Problem& problem, Point p) {
  if (problem.ISYMX == 0 && problem.ISYMY == 0) return false;
  const Point side = described_side(problem);
  return (problem.ISYMX != 0 && p.x * side.x < 0.0) || (problem.ISYMY != 0 && p.y * side.y < 0.0);
}

std::optional<Gradients> gradients_of_field(const FieldGrid& field, const Problem& problem,
                                            const View& view, const ColourScale& potentials) {
  const auto summed = [&](int i, int j) {
    const FieldPoint k = field.kind_at(i, j);
    return k == FieldPoint::REGION || k == FieldPoint::MEDIUM;
  };
  const geometry::SegmentIndex segments(problem.pieces, field.step);
  std::vector<Arrow> arrows;
  const double across = 2.0 * field.step;
  for (int j = 1; j + 1 < field.ny; ++j)
    for (int i = 1; i + 1 < field.nx; ++i) {
      if (!summed(i, j) || !summed(i - 1, j) || !summed(i + 1, j) || !summed(i, j - 1) ||
          !summed(i, j + 1) || segments.near_a_segment(field.point(i, j), kGradientClearance))
        continue;
      const Point gradient{(field.at(i + 1, j) - field.at(i - 1, j)) / across,
                           (field.at(i, j + 1) - field.at(i, j - 1)) / across};
      if (std::isfinite(gradient.x) && std::isfinite(gradient.y))
        arrows.push_back({field.point(i, j), gradient});
    }
  return thinned_gradients(arrows, view,
                           (potentials.high() - potentials.low()) / problem.bounds.extent());
}

void draw_potential_field(const Canvas& c) {
  if (!c.field || !c.potentials) return;
  const ColourScale& scale = *c.potentials;
  const std::vector<double>& levels = c.levels;
  if (levels.empty()) return;
  std::vector<Contour> contours;
  for (double level : levels) contours.push_back(contour(*c.field, level));
  const bool clipped = !c.examination.chains.loops.empty();
  if (clipped) {
    define_clip(c, kClipId);
    c.svg.open("g", {{"clip-path", std::string("url(#") + kClipId + ")"}});
  }
  // Each band painted over the one below it, from the whole drawn part up,
  // in the colour of the middle of its step.
  const double half_step = levels.size() >= 2 ? 0.5 * (levels[1] - levels[0]) : 0.0;
  const auto band = [&](const Contour& from, double middle) {
    if (from.outlines.empty()) return;
    c.svg.element("path", {{"class", "band"},
                           {"fill", hex(viridis(scale.fraction(middle)))},
                           {"d", outlines_path(c.view, from.outlines, true)}});
  };
  band(contour(*c.field, drawn_range(*c.field).first), levels.front() - half_step);
  for (std::size_t k = 0; k < levels.size(); ++k) band(contours[k], levels[k] + half_step);
  std::string lines;
  for (const Contour& level : contours) lines += outlines_path(c.view, level.lines, false);
  c.svg.element("path", {{"class", "level"}, {"d", lines}});
  if (clipped) c.svg.close();
  draw_gradients(c);  // of the field: there is a level, so some point is drawn
  veil_mirror_images(c);
  label_levels(c, levels, contours);
}

}  // namespace plot
