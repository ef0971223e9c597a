#include "plot/picture.hpp"

#include <algorithm>

#include "plot/draw.hpp"
#include "plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr std::string_view kBackground = "#ffffff";
constexpr double kSummaryLine = 22.0;  // below the title's baseline

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

std::string draw_picture(const Problem& problem, const Examination& examination,
                         const Results* results, const std::string& input_name,
                         const std::string& report_name) {
  SvgWriter svg(kStyleSheet);
  // The title, and what was drawn from which files.
  const double title_y = kMargin + kTitleFont;
  svg.text({{"class", "title"}, {"x", number(kMargin)}, {"y", number(title_y)}},
           problem.title.empty() ? input_name : problem.title);
  svg.text({{"class", "note"}, {"x", number(kMargin)}, {"y", number(title_y + kSummaryLine)}},
           summary(problem, input_name, report_name));
  // The plot, its frame round the padding.
  const double top = kMargin + kTitleHeight;
  const View view(examination.bounds, {kMargin + kPlotPadding, top + kPlotPadding});
  const double frame_width = view.width() + 2.0 * kPlotPadding;
  const double frame_height = view.height() + 2.0 * kPlotPadding;
  svg.element("rect", {{"class", "frame"},
                       {"x", number(kMargin)},
                       {"y", number(top)},
                       {"width", number(frame_width)},
                       {"height", number(frame_height)}});
  const Canvas c{svg, view, problem, examination, results, potential_scale(results)};
  draw_background(c);
  draw_boundaries(c);
  draw_points_and_nodes(c);
  draw_gradients(c);
  draw_warning_marks(c);
  // The legend on the right, the warnings below both.
  const double legend_x = kMargin + frame_width + kGap;
  const double legend_height = draw_legend(c, {legend_x, top});
  const double width = std::max(kMinWidth, legend_x + kLegendWidth + kMargin);
  const double warnings_y = top + std::max(frame_height, legend_height) + kGap;
  const double warnings_height =
      draw_warning_list(svg, examination.warnings, {kMargin, warnings_y}, width - 2.0 * kMargin);
  return svg.finish(width, warnings_y + warnings_height + kMargin, kBackground);
}

}  // namespace plot
