// The page: the title and a summary line, the plot in its frame, the legend
// on the right and the warnings below both.
#include "tools/plot/picture.hpp"

#include <algorithm>
#include <cmath>

#include "tools/plot/canvas.hpp"
#include "tools/plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kMargin = 24.0;       // around the whole picture
constexpr double kTitleHeight = 54.0;  // title and summary line
constexpr double kSummaryLine = 22.0;  // below the title's baseline
constexpr double kGap = 20.0;          // between plot, legend and warnings
constexpr double kLegendWidth = 260.0;
constexpr double kMinWidth = 780.0;  // so that warnings have room
constexpr std::string_view kBackground = "#ffffff";

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

std::string draw_picture(const Problem& problem, const geometry::Examination& examination,
                         const Results* results, const FieldGrid* field,
                         const std::string& input_name, const std::string& report_name) {
  SvgWriter svg(style_sheet());
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
  std::vector<double> levels = field ? field_levels(*field) : std::vector<double>{};
  // A field with no point drawn shows only that.
  const bool field_arrows = !levels.empty();
  std::optional<Gradients> gradients;
  if (potentials)
    gradients = field_arrows ? gradients_of_field(*field, problem, view, *potentials)
                             : gradients_of(problem, results, view, *potentials);
  const bool marks = point_marks(problem, view, field_arrows);
  const Canvas c{svg,
                 view,
                 problem,
                 examination,
                 results,
                 field,
                 std::move(levels),
                 potentials,
                 gradients,
                 dense_nodes(problem, view),
                 marks};
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
