// The boundaries: axes of symmetry and mirror images behind, then each
// boundary with its normals, its direction of travel and its number; and the
// placing of labels beside them.
#include <algorithm>
#include <string>

#include "tools/plot/canvas.hpp"
#include "tools/plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kTickLength = 12.0;     // normal tick at each node
constexpr double kArrowSpacing = 120.0;  // between direction arrows along a boundary
constexpr double kArrowLength = 11.0;
constexpr double kArrowWidth = 8.0;
constexpr double kArrowAt = 0.75;        // along its element, clear of the node
constexpr double kLabelOffset = 12.0;    // of a label from its element, outwards
constexpr double kLabelSideways = 0.38;  // beyond this, a label grows sideways
constexpr double kCentreLine = 0.35;     // from baseline to mid-height, in font sizes
constexpr double kAxisLabelGap = 4.0;    // between an axis and its label

std::string weight_meaning(int weight) {
  if (weight == 1) return "symmetric";
  if (weight == -1) return "antisymmetric";
  return "mirror image weighted " + std::to_string(weight);
}

// The axis x = 0 (vertical) or y = 0 (horizontal) across the plot and its
// padding. The label of the vertical axis stands in the padding above the
// plot; that of the horizontal axis at its left end, below it, on the side
// of the mirror images when the problem is symmetric about both axes.
void draw_axis(const Canvas& c, bool vertical, int weight) {
  const View& v = c.view;
  const Point zero = v.at({0.0, 0.0});
  const Point low = v.corner() - Point{kPlotPadding, kPlotPadding};
  const Point high = v.corner() + Point{v.width() + kPlotPadding, v.height() + kPlotPadding};
  const Point a = vertical ? Point{zero.x, low.y} : Point{low.x, zero.y};
  const Point b = vertical ? Point{zero.x, high.y} : Point{high.x, zero.y};
  c.svg.element("path", {{"class", "axis"}, {"d", path_data({a, b}, false)}});
  const std::string label = (vertical ? "x = 0: " : "y = 0: ") + weight_meaning(weight);
  const Point at = a + Point{kAxisLabelGap, kLabelFont};
  c.svg.text({{"class", "label note"}, {"x", number(at.x)}, {"y", number(at.y)}}, label);
}

std::vector<Point> on_picture(const View& v, const std::vector<Point>& points) {
  std::vector<Point> screen;
  for (const Point& p : points) screen.push_back(v.at(p));
  return screen;
}

// The elements that carry a direction arrow: one every kArrowSpacing of
// length along the boundary, at least one, each element at most once.
std::vector<int> arrow_elements(const Canvas& c, const Boundary& b) {
  double total = 0.0;
  for (int k = 0; k < b.count; ++k) {
    const Element& e = c.problem.elements[b.first + k];
    total += distance(c.view.at(e.start), c.view.at(e.end));
  }
  std::vector<int> chosen;
  double along = 0.0;
  double next = total < kArrowSpacing ? 0.5 * total : 0.5 * kArrowSpacing;
  for (int k = 0; k < b.count; ++k) {
    const Element& e = c.problem.elements[b.first + k];
    along += distance(c.view.at(e.start), c.view.at(e.end));
    if (along < next) continue;
    chosen.push_back(b.first + k);
    while (next <= along) next += kArrowSpacing;
  }
  return chosen;
}

// A triangle pointing along the element, centred kArrowAt of the way along it.
std::string travel_arrow(const Canvas& c, const Element& e) {
  const Point a = c.view.at(e.start), b = c.view.at(e.end);
  const Point t = c.view.direction(e.tangent);
  const Point tip = a + kArrowAt * (b - a) + (0.5 * kArrowLength) * t;
  return path_data(arrow_head(tip, t, kArrowLength, kArrowWidth), true);
}

// "B2" just outside the boundary's first point, away from its first element.
void label_boundary(const Canvas& c, int number_of_boundary, const Element& first) {
  const Point away = c.view.direction(first.normal()) - c.view.direction(first.tangent);
  std::string name = "B";
  name += std::to_string(number_of_boundary);
  place_label(c, c.view.at(first.start), (1.0 / length(away)) * away, name, "label heading");
}

}  // namespace

void place_label(const Canvas& c, Point at, Point away, const std::string& text,
                 const std::string& css) {
  Point p = at + kLabelOffset * away;
  const double grows = away.x > kLabelSideways ? 1.0 : away.x < -kLabelSideways ? -1.0 : 0.0;
  // Kept inside the frame: its left end, from the estimated width, moved
  // right of the frame's left side or left of its right side as needed.
  const double width = kCharWidth * kLabelFont * static_cast<double>(text.size());
  const double left = p.x - 0.5 * (1.0 - grows) * width;
  const double frame_left = c.view.corner().x - kPlotPadding;
  const double frame_right = c.view.corner().x + c.view.width() + kPlotPadding;
  p.x += std::max(0.0, frame_left - left) - std::max(0.0, left + width - frame_right);
  const char* anchor = grows > 0.0 ? "start" : grows < 0.0 ? "end" : "middle";
  // Half a font size down centres the text on p; lower when it lies below.
  const std::string dy = number(kCentreLine + kCentreLine * away.y) + "em";
  c.svg.text(
      {{"class", css}, {"x", number(p.x)}, {"y", number(p.y)}, {"text-anchor", anchor}, {"dy", dy}},
      text);
}

void draw_background(const Canvas& c) {
  if (c.problem.ISYMX != 0) draw_axis(c, true, c.problem.ISYMX);
  if (c.problem.ISYMY != 0) draw_axis(c, false, c.problem.ISYMY);
  for (const Piece& piece : c.problem.pieces)
    if (piece.mirrored)
      c.svg.element(
          "path", {{"class", "image"}, {"d", path_data(on_picture(c.view, piece.points), false)}});
  for (const geometry::Warning& w : c.examination.warnings)
    if (!w.outline.empty())
      c.svg.element("path",
                    {{"class", "halo"}, {"d", path_data(on_picture(c.view, w.outline), true)}});
}

void draw_boundaries(const Canvas& c) {
  std::string ticks, arrows;
  for (const Piece& piece : c.problem.pieces) {
    if (piece.mirrored) continue;
    c.svg.element("polyline", {{"class", "boundary"},
                               {"points", point_list(on_picture(c.view, piece.points))}});
    const Boundary& b = c.problem.boundaries[piece.boundary - 1];
    const std::vector<int> arrowed = arrow_elements(c, b);
    std::vector<int> ticked = arrowed;  // dense nodes: a tick where an arrow is
    if (!c.dense_nodes) {
      ticked.clear();
      for (int k = 0; k < b.count; ++k) ticked.push_back(b.first + k);
    }
    for (int J : ticked) {
      const Element& e = c.problem.elements[J];
      const Point n = c.view.at(e.node);
      ticks += path_data({n, n + kTickLength * c.view.direction(e.normal())}, false) + " ";
    }
    for (int J : arrowed) arrows += travel_arrow(c, c.problem.elements[J]) + " ";
  }
  c.svg.element("path", {{"class", "normal"}, {"d", ticks}});
  c.svg.element("path", {{"class", "travel"}, {"d", arrows}});
  for (const Piece& piece : c.problem.pieces)
    if (!piece.mirrored)
      label_boundary(c, piece.boundary,
                     c.problem.elements[c.problem.boundaries[piece.boundary - 1].first]);
}

}  // namespace plot
