// The page: the title and a summary line, the plot in its frame, the legend
// on the right and the warnings below both.
#include "tools/plot/picture.hpp"

#include <algorithm>
#include <cmath>

namespace plot {
namespace {

using namespace style;

constexpr double kMargin = 24.0;       // around the whole picture
constexpr double kTitleHeight = 54.0;  // title and summary line
constexpr double kTitleFont = 18.0;
constexpr double kSummaryLine = 22.0;  // below the title's baseline
constexpr double kGap = 20.0;          // between plot, legend and warnings
constexpr double kLegendWidth = 260.0;
constexpr double kMinWidth = 780.0;  // so that warnings have room
constexpr std::string_view kBackground = "#ffffff";

constexpr std::string_view kStyleSheet = R"(
text { font-family: 'DejaVu Sans', Arial, Helvetica, sans-serif; font-size: 12px; fill: #222; }
.title { font-size: 18px; font-weight: bold; }
.note { fill: #555; }
.heading { font-weight: bold; }
.label { font-size: 11px; stroke: #fff; stroke-width: 3px; paint-order: stroke; stroke-linejoin: round; }
.group { fill: #8a3b6b; }
.boundary { fill: none; stroke: #222; stroke-width: 1.6px; stroke-linejoin: round; }
.image { fill: none; stroke: #aaa; stroke-width: 1.2px; stroke-dasharray: 5 3; }
.axis { stroke: #999; stroke-width: 1px; stroke-dasharray: 8 4 2 4; }
.normal { fill: none; stroke: #5b8fb9; stroke-width: 1.1px; }
.travel { fill: #222; }
.node { stroke: #fff; stroke-width: 0.8px; }
.ring { stroke-width: 2px; }
.point { fill: none; stroke: #444; stroke-width: 1px; }
.valued { stroke: #333; stroke-width: 0.5px; }
.gradient { fill: none; stroke: #111; stroke-width: 1.2px; }
.band { stroke: none; }
.level { fill: none; stroke: #000; stroke-opacity: 0.45; stroke-width: 0.8px; stroke-linejoin: round; }
.veil { fill: #fff; fill-opacity: 0.6; stroke: none; }
.head { fill: #111; }
.halo { fill: none; stroke: #e0002a; stroke-opacity: 0.3; stroke-width: 7px; stroke-linejoin: round; }
.mark { fill: none; stroke: #c0002a; stroke-width: 2px; }
.warning { fill: #b0002a; }
.frame { fill: none; stroke: #ddd; stroke-width: 1px; }
)";

std::string counted(std::size_t n, const std::string& one, const std::string& many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string summary(const Problem& p, const std::string& input_name,
                    const std::string& report_name) {
  std::string text = input_name + ": " + counted(p.elements.size(), "element", "elements") +
                     " on " + counted(p.boundaries.size(), "boundary", "boundaries") + ", " +
                     counted(p.internal.size(), "internal point", "internal points");
  if (!report_name.empty()) text += "; results from " + report_name;
  return text;
}

std::optional<ColourScale> potential_scale(const Results* results) {
  if (!results) return std::nullopt;
  std::vector<double> values;
  for (const NodeResult& n : results->nodes) values.push_back(n.potential);
  for (const InternalResult& i : results->internal) values.push_back(i.potential);
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return ColourScale(*low, *high);
}

}  // namespace

View::View(const Box& world, Point corner)
    : world_(world), corner_(corner), scale_(kPlotSize / world.extent()) {
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

std::string draw_picture(const Problem& problem, const geometry::Examination& examination,
                         const Results* results, const FieldGrid* field,
                         const std::string& input_name, const std::string& report_name) {
  SvgWriter svg(kStyleSheet);
  const double title_y = kMargin + kTitleFont;
  svg.text({{"class", "title"}, {"x", number(kMargin)}, {"y", number(title_y)}},
           problem.title.empty() ? input_name : problem.title);
  svg.text({{"class", "note"}, {"x", number(kMargin)}, {"y", number(title_y + kSummaryLine)}},
           summary(problem, input_name, report_name));
  // The plot, its frame round the padding.
  const double top = kMargin + kTitleHeight;
  const View view(problem.bounds, {kMargin + kPlotPadding, top + kPlotPadding});
  const double frame_width = view.width() + 2.0 * kPlotPadding;
  const double frame_height = view.height() + 2.0 * kPlotPadding;
  svg.element("rect", {{"class", "frame"},
                       {"x", number(kMargin)},
                       {"y", number(top)},
                       {"width", number(frame_width)},
                       {"height", number(frame_height)}});
  const auto potentials = potential_scale(results);
  // A field with no point far enough from the boundary shows only that.
  const bool field_arrows = field && !field_levels(*field).empty();
  std::optional<Gradients> gradients;
  if (potentials)
    gradients = field_arrows ? gradients_of_field(*field, problem, view, *potentials)
                             : gradients_of(problem, results, view, *potentials);
  const Canvas c{svg, view, problem, examination, results, field, potentials, gradients};
  draw_potential_field(c);
  draw_background(c);
  draw_boundaries(c);
  draw_points_and_nodes(c);
  if (!field_arrows) draw_gradients(c);  // else drawn with the field, under the boundaries
  draw_warning_marks(c);
  const double legend_x = kMargin + frame_width + kGap;
  const double legend_height = draw_legend(c, {legend_x, top});
  const double width = std::max(kMinWidth, legend_x + kLegendWidth + kMargin);
  const double warnings_y = top + std::max(frame_height, legend_height) + kGap;
  const double warnings_height =
      draw_warning_list(svg, examination.warnings, {kMargin, warnings_y}, width - 2.0 * kMargin);
  return svg.finish(width, warnings_y + warnings_height + kMargin, kBackground);
}

}  // namespace plot
