// The legend beside the plot: what the node colours, lines and marks mean,
// and with results the colour bar of the potential and the scale of the
// gradient arrows.
#include <algorithm>
#include <string>

#include "plot/draw.hpp"
#include "plot/style.hpp"
#include "plot/wording.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kRow = 19.0;          // one entry
constexpr double kSectionGap = 12.0;   // before a heading
constexpr double kSymbolWidth = 26.0;  // room for the symbol, left of each text
constexpr double kSymbolCentre = 9.0;  // from the left of the legend
constexpr double kSymbolRadius = 5.0;
constexpr double kSampleHalf = 9.0;  // half the length of a sample line
constexpr double kTextGap = 8.0;     // between a sample and its value
constexpr double kBarWidth = 16.0;
constexpr double kBarHeight = 180.0;
constexpr int kBarLabels = 6;      // at most, beside the colour bar
constexpr double kTickMark = 4.0;  // length of a tick of the colour bar
constexpr int kBarStops = 10;      // colour stops of the bar's gradient

class Legend {
 public:
  Legend(const Canvas& c, Point corner) : c_(c), x_(corner.x), y_(corner.y), top_(corner.y) {}

  void heading(const std::string& text) {
    y_ += y_ > top_ ? kSectionGap : 0.0;
    write(x_, text, "heading");
  }
  // An entry: a symbol drawn centred at the given point, then the text.
  template <typename Symbol>
  void entry(const std::string& text, Symbol symbol) {
    symbol(Point{x_ + kSymbolCentre, y_ + 0.5 * kRow});
    write(x_ + kSymbolWidth, text, "");
  }
  void note(const std::string& text) { write(x_, text, "note"); }
  void skip(double height) { y_ += height; }

  double x() const { return x_; }
  double y() const { return y_; }
  double height() const { return y_ - top_; }
  SvgWriter& svg() const { return c_.svg; }

 private:
  void write(double x, const std::string& text, const std::string& css) {
    Attributes a{{"x", number(x)}, {"y", number(y_ + 0.5 * kRow)}, {"dy", kCentred}};
    if (!css.empty()) a.push_back({"class", css});
    c_.svg.text(a, text);
    y_ += kRow;
  }

  const Canvas& c_;
  double x_, y_, top_;
};

void circle(SvgWriter& svg, Point at, const Attributes& extra) {
  Attributes a{{"cx", number(at.x)}, {"cy", number(at.y)}, {"r", number(kSymbolRadius)}};
  a.insert(a.end(), extra.begin(), extra.end());
  svg.element("circle", a);
}

void codes_section(const Canvas& c, Legend& legend) {
  legend.heading("Boundary nodes by code");
  for (int code : {0, -1, 1, 2, 3}) {
    const bool present =
        std::any_of(c.problem.elements.begin(), c.problem.elements.end(),
                    [&](const Element& e) { return code_colour(e.code) == code_colour(code); });
    if (!present) continue;
    const std::string colour(code_colour(code));
    legend.entry(std::string(code_meaning(code)), [&](Point at) {
      if (c.results)
        circle(legend.svg(), at, {{"class", "ring"}, {"stroke", colour}, {"fill", "#fff"}});
      else
        circle(legend.svg(), at, {{"class", "node"}, {"fill", colour}});
    });
  }
  if (c.results) legend.note("ring: code; fill: potential");
}

void line_symbol(SvgWriter& svg, Point at, const std::string& css) {
  svg.element("line", {{"class", css},
                       {"x1", number(at.x - kSampleHalf)},
                       {"y1", number(at.y)},
                       {"x2", number(at.x + kSampleHalf)},
                       {"y2", number(at.y)}});
}

void drawing_section(const Canvas& c, Legend& legend) {
  legend.heading("Drawing");
  SvgWriter& svg = legend.svg();
  legend.entry("boundary, in its direction of travel", [&](Point at) {
    line_symbol(svg, at, "boundary");
    const Point tip = at + Point{0.5 * kArrowLength, 0.0};
    svg.element("path",
                {{"class", "travel"},
                 {"d", path_data(arrow_head(tip, {1.0, 0.0}, kArrowLength, kArrowWidth), true)}});
  });
  legend.entry("normal tick: the outward side", [&](Point at) {
    line_symbol(svg, at, "boundary");
    svg.element("line", {{"class", "normal"},
                         {"x1", number(at.x)},
                         {"y1", number(at.y)},
                         {"x2", number(at.x)},
                         {"y2", number(at.y + kTickLength)}});
  });
  legend.entry("B2: where boundary 2 starts", [&](Point at) {
    svg.text({{"class", "label heading"},
              {"x", number(at.x)},
              {"y", number(at.y)},
              {"text-anchor", "middle"},
              {"dy", kCentred}},
             "B2");
  });
  if (c.problem.ISYMX != 0 || c.problem.ISYMY != 0) {
    legend.entry("mirror image", [&](Point at) { line_symbol(svg, at, "image"); });
    legend.entry("axis of symmetry", [&](Point at) { line_symbol(svg, at, "axis"); });
  }
  if (!c.problem.internal.empty() && !c.results)
    legend.entry("internal point", [&](Point at) { circle(svg, at, {{"class", "point"}}); });
  if (!c.examination.warnings.empty())
    legend.entry("warning, listed below", [&](Point at) { circle(svg, at, {{"class", "mark"}}); });
}

void colour_bar(const Canvas& c, Legend& legend) {
  const ColourScale& scale = *c.potentials;
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
    svg.element("line", {{"x1", number(right)},
                         {"y1", number(y)},
                         {"x2", number(right + kTickMark)},
                         {"y2", number(y)},
                         {"stroke", "#444"}});
    svg.text({{"x", number(right + kTextGap)}, {"y", number(y)}, {"dy", kCentred}},
             short_number(value));
  }
  legend.skip(kBarHeight + kRow);
  legend.note("from " + short_number(scale.low()) + " to " + short_number(scale.high()));
}

void gradient_section(const Canvas& c, Legend& legend) {
  if (c.problem.internal.empty()) return;
  legend.heading("Gradient of the potential");
  const auto reference = gradient_reference(c);
  if (!reference) {
    legend.note("too small to draw: the potential is uniform");
    return;
  }
  const Point from{legend.x(), legend.y() + 0.5 * kRow};
  const Point tip = from + Point{kGradientLongest, 0.0};
  const Point base = tip - Point{kGradientHead, 0.0};
  legend.svg().element("path", {{"class", "gradient"}, {"d", path_data({from, base}, false)}});
  legend.svg().element("path", {{"class", "head"},
                                {"d", path_data(arrow_head(tip, {1.0, 0.0}, kGradientHead,
                                                           kGradientHeadWidth * kGradientHead),
                                                true)}});
  legend.svg().text({{"x", number(tip.x + kTextGap)}, {"y", number(tip.y)}, {"dy", kCentred}},
                    "= " + short_number(*reference));
  legend.skip(kRow);
  legend.note("at most one arrow per " + number(kGradientCell) + " px square");
}

}  // namespace

double draw_legend(const Canvas& c, Point corner) {
  Legend legend(c, corner);
  codes_section(c, legend);
  drawing_section(c, legend);
  if (c.results) {
    colour_bar(c, legend);
    gradient_section(c, legend);
  }
  return legend.height();
}

}  // namespace plot
