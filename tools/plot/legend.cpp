// The legend beside the plot: what the node colours, lines and marks mean,
// and with results the colour bar of the potential and the scale of the
// gradient arrows.
#include <algorithm>
#include <string>

#include "tools/plot/canvas.hpp"
#include "tools/plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kRow = 19.0;          // one line
constexpr double kSectionGap = 12.0;   // before a heading
constexpr double kSymbolWidth = 26.0;  // room for a node's symbol, left of its text
constexpr double kSymbolCentre = 9.0;  // from the left of the legend
constexpr double kSymbolRadius = 5.0;
constexpr double kTextGap = 8.0;  // between the colour bar's ticks and their values
constexpr double kBarWidth = 16.0;
constexpr double kBarHeight = 180.0;
constexpr int kBarLabels = 6;      // at most, beside the colour bar
constexpr double kTickMark = 4.0;  // length of a tick of the colour bar
constexpr int kBarStops = 10;      // colour stops of the bar's gradient

class Legend {
 public:
  Legend(SvgWriter& svg, Point corner) : svg_(svg), x_(corner.x), y_(corner.y), top_(corner.y) {}

  void heading(const std::string& text) {
    y_ += y_ > top_ ? kSectionGap : 0.0;
    line(text, "heading");
  }
  // A line of text, indented by `indent`.
  void line(const std::string& text, const std::string& css = "", double indent = 0.0) {
    Attributes a{{"x", number(x_ + indent)}, {"y", number(y_ + 0.5 * kRow)}, {"dy", kCentred}};
    if (!css.empty()) a.push_back({"class", css});
    svg_.text(a, text);
    y_ += kRow;
  }
  void skip(double height) { y_ += height; }

  double x() const { return x_; }
  double y() const { return y_; }
  double height() const { return y_ - top_; }
  SvgWriter& svg() const { return svg_; }

 private:
  SvgWriter& svg_;
  double x_, y_, top_;
};

// One entry per code present: a node as drawn, filled with the code's colour
// or, with results, ringed in it.
void codes_section(const Canvas& c, Legend& legend) {
  legend.heading("Boundary nodes by code");
  for (int code : {0, -1, 1, 2, 3}) {
    const bool present =
        std::any_of(c.problem.elements.begin(), c.problem.elements.end(),
                    [&](const Element& e) { return code_colour(e.code) == code_colour(code); });
    if (!present) continue;
    const std::string colour(code_colour(code));
    Attributes a{{"cx", number(legend.x() + kSymbolCentre)},
                 {"cy", number(legend.y() + 0.5 * kRow)},
                 {"r", number(kSymbolRadius)}};
    if (c.results)
      a.insert(a.end(), {{"class", "ring"}, {"stroke", colour}, {"fill", "#fff"}});
    else
      a.insert(a.end(), {{"class", "node"}, {"fill", colour}});
    legend.svg().element("circle", a);
    legend.line(std::string(code_meaning(code)), "", kSymbolWidth);
  }
  if (c.dense_nodes && c.results) {
    legend.line("too dense for rings: a line, its", "note");
    legend.line("edges the code, its middle the potential", "note");
  } else if (c.dense_nodes) {
    legend.line("too dense for circles: a line", "note");
  } else if (c.results) {
    legend.line("ring: code; fill: potential", "note");
  }
}

void drawing_section(const Canvas& c, Legend& legend) {
  legend.heading("Drawing");
  legend.line("arrows: the direction of travel");
  legend.line(c.dense_nodes ? "ticks: the outward side, at the arrows"
                            : "ticks: the outward side of each node");
  legend.line("B2: where boundary 2 starts");
  if (c.problem.ISYMX != 0 || c.problem.ISYMY != 0) {
    legend.line("dashed grey: mirror images");
    legend.line("dash-dotted: axes of symmetry");
  }
  if (!c.problem.internal.empty() && !c.results) legend.line("small rings: internal points");
  if (c.point_marks)
    legend.line("dots: the " + std::to_string(c.problem.internal.size()) + " internal points");
  if (!c.examination.warnings.empty()) legend.line("red circles: warnings, listed below");
}

void colour_bar(const ColourScale& scale, Legend& legend) {
  legend.heading("Potential");
  SvgWriter& svg = legend.svg();
  svg.open("defs");
  svg.open("linearGradient",
           {{"id", "potential"}, {"x1", "0"}, {"y1", "1"}, {"x2", "0"}, {"y2", "0"}});
  for (int i = 0; i < kBarStops; ++i) {
    const double f = static_cast<double>(i) / (kBarStops - 1);
    svg.element("stop", {{"offset", number(f)}, {"stop-color", hex(viridis(f))}});
  }
  svg.close();
  svg.close();
  const double top = legend.y() + 0.5 * kRow;
  const double right = legend.x() + kBarWidth;
  svg.element("rect", {{"x", number(legend.x())},
                       {"y", number(top)},
                       {"width", number(kBarWidth)},
                       {"height", number(kBarHeight)},
                       {"fill", "url(#potential)"},
                       {"stroke", "#444"},
                       {"stroke-width", "0.5"}});
  for (double value : scale.ticks(kBarLabels)) {
    const double y = top + (1.0 - scale.fraction(value)) * kBarHeight;
    svg.element("path", {{"stroke", "#444"},
                         {"d", path_data({{right, y}, {right + kTickMark, y}}, false)}});
    svg.text({{"x", number(right + kTextGap)}, {"y", number(y)}, {"dy", kCentred}},
             short_number(value));
  }
  legend.skip(kBarHeight + kRow);
  legend.line("from " + short_number(scale.low()) + " to " + short_number(scale.high()), "note");
}

void field_section(const Canvas& c, Legend& legend) {
  const std::vector<double>& levels = c.levels;
  legend.heading("Field");
  if (levels.empty()) {
    legend.line("none: no point of the grid lies", "note");
    legend.line("in the region", "note");
    return;
  }
  if (levels.size() >= 2)
    legend.line("bands and lines every " + short_number(levels[1] - levels[0]));
  legend.line("up to the boundary, clipped to it", "note");
  if (c.field->has_medium) legend.line("inside an interface: its medium", "note");
  if (c.problem.ISYMX != 0 || c.problem.ISYMY != 0) legend.line("faint: mirror images", "note");
  legend.line(
      "grid of " + std::to_string(c.field->nx) + " x " + std::to_string(c.field->ny) + " points",
      "note");
}

void gradient_section(const Canvas& c, Legend& legend) {
  if (c.problem.internal.empty() && !c.field) return;
  legend.heading("Gradient of the potential");
  if (!c.gradients) {
    legend.line("too small to draw: the potential is uniform", "note");
    return;
  }
  legend.line("longest arrow (" + number(kGradientLongest) +
              " px): " + short_number(c.gradients->longest));
  legend.line("at most one arrow per " + number(kGradientCell) + " px square", "note");
  if (!c.levels.empty()) legend.line("from the field, not the internal points", "note");
}

}  // namespace

double draw_legend(const Canvas& c, Point corner) {
  Legend legend(c.svg, corner);
  codes_section(c, legend);
  drawing_section(c, legend);
  if (c.potentials) {
    colour_bar(*c.potentials, legend);
    if (c.field) field_section(c, legend);
    gradient_section(c, legend);
  }
  return legend.height();
}

}  // namespace plot
