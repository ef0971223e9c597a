// The layers of the picture, drawn in this order, each from the problem,
// what the checks found and, when a report is given, the results.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/colour_map.hpp"
#include "plot/examine.hpp"
#include "plot/problem.hpp"
#include "plot/report_reader.hpp"
#include "plot/svg_writer.hpp"
#include "plot/view.hpp"

namespace plot {

struct Canvas {
  SvgWriter& svg;
  const View& view;
  const Problem& problem;
  const Examination& examination;
  const Results* results;                 // null without a report
  std::optional<ColourScale> potentials;  // with a report
};

// Dashed axes of symmetry, the mirror images faint, and red halos along
// loops that run the wrong way.
void draw_background(const Canvas& c);
// One polyline per boundary, a normal tick at each node, arrows along the
// direction of travel, the boundary numbers.
void draw_boundaries(const Canvas& c);
// Internal points, boundary nodes and the group labels of negative codes.
void draw_points_and_nodes(const Canvas& c);
// Arrows of the potential gradient at a legible density of internal points,
// over the points.
void draw_gradients(const Canvas& c);
// Red circles where the warnings point.
void draw_warning_marks(const Canvas& c);

// The legend with its top left corner at `corner`; returns its height.
double draw_legend(const Canvas& c, Point corner);
// The numbered warnings, wrapped to `width`; returns their height.
double draw_warning_list(SvgWriter& svg, const std::vector<Warning>& warnings, Point corner,
                         double width);

// A label kLabelOffset from `at` in the direction `away` (a unit vector on
// the picture), anchored so that it grows away from `at`.
void place_label(const Canvas& c, Point at, Point away, const std::string& text,
                 const std::string& css);

// A triangle with its tip at `tip`, pointing along the unit vector t.
inline std::vector<Point> arrow_head(Point tip, Point t, double length, double width) {
  const Point base = tip - length * t;
  const Point side = (0.5 * width) * Point{-t.y, t.x};
  return {tip, base + side, base - side};
}

// The colour of a node's boundary-condition code, and what the code means.
std::string_view code_colour(int code);
std::string_view code_meaning(int code);

// The longest gradient among the arrows drawn, the reference of their
// scale; nothing when no arrow is drawn: without results, or when every
// gradient is negligible beside the potential's range over the problem's size.
std::optional<double> gradient_reference(const Canvas& c);

}  // namespace plot
