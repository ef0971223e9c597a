// The picture of a problem, and of its solution when results are given: the
// plot, the legend beside it and the warnings below, as one SVG document.
// picture.cpp lays out the page and the view; each layer of the plot is
// drawn by a file of its own (boundaries, nodes, field, warnings, legend).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/plot/checks.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/problem.hpp"
#include "tools/plot/svg_writer.hpp"

namespace plot {

// results and field may be null. The names are those of the files, shown in the
// summary line under the title.
std::string draw_picture(const Problem& problem, const Examination& examination,
                         const Results* results, const FieldGrid* field,
                         const std::string& input_name, const std::string& report_name);

// The look of the picture: sizes in pixels, fonts, colours.
namespace style {
inline constexpr double kPlotSize = 640.0;    // the longer side of the problem's box
inline constexpr double kPlotPadding = 64.0;  // around the box, for labels and ticks
inline constexpr double kCharWidth = 0.56;    // mean width of a character, in font sizes
inline constexpr double kTextFont = 12.0;
inline constexpr double kLabelFont = 11.0;
inline constexpr const char* kCentred = "0.35em";  // a text's dy that centres it on y
inline constexpr double kGradientCell = 40.0;      // at most one gradient arrow per cell
inline constexpr double kGradientLongest = 30.0;   // the longest arrow's length
inline constexpr int kFieldLevels = 12;            // at most, levels of the field's bands
}  // namespace style

// Where the problem's coordinates land on the picture: the box of the
// problem scaled so that its longer side takes the plot size, y upwards.
class View {
 public:
  // Throws a PlotError when the box is too small or too large to scale.
  View(const Box& world, Point corner);

  Point at(Point p) const {
    return {corner_.x + (p.x - world_.low.x) * scale_, corner_.y + (world_.high.y - p.y) * scale_};
  }
  // A direction of the problem as a unit vector on the picture.
  Point direction(Point v) const;
  double scale() const { return scale_; }  // pixels per unit of length
  double width() const { return world_.width() * scale_; }
  double height() const { return world_.height() * scale_; }
  Point corner() const { return corner_; }

 private:
  Box world_;
  Point corner_;
  double scale_;
};

struct Rgb {
  double r = 0.0, g = 0.0, b = 0.0;  // each 0..1
};

// "#rrggbb".
std::string hex(Rgb c);

// The viridis map at t (0 dark violet .. 1 yellow; t is clamped to 0..1):
// its lightness rises evenly, so equal steps of potential look equal, and it
// stays readable in grey and to colour-blind eyes.
Rgb viridis(double t);

// Where a value lies in low..high, 0..1; the middle when the range is empty.
class ColourScale {
 public:
  ColourScale(double low, double high) : low_(low), high_(high) {}
  double fraction(double value) const;
  double low() const { return low_; }
  double high() const { return high_; }

  // At most `most` round values in low..high, a step of 1, 2, 2.5 or 5
  // times a power of ten apart, in increasing order; low alone when the
  // range is empty.
  std::vector<double> ticks(int most) const;
  // The same with steps of 1, 2 or 5 times a power of ten: the levels of
  // the field's bands and lines.
  std::vector<double> levels(int most) const;

 private:
  std::vector<double> round_values(int most, std::span<const double> steps) const;

  double low_, high_;
};

// A gradient of the potential at a point of the problem.
struct Arrow {
  Point at;
  Point gradient;
};

// The gradient arrows, of the internal points or of the field, thinned out
// to one per cell of a coarse grid, and the longest of them, the reference
// of their scale.
struct Gradients {
  std::vector<Arrow> arrows;
  double longest = 0.0;
};

// Everything a layer draws from, and the writer it draws with.
struct Canvas {
  SvgWriter& svg;
  const View& view;
  const Problem& problem;
  const Examination& examination;
  const Results* results;                 // null without a report
  const FieldGrid* field;                 // null without a report or with --no-field
  std::optional<ColourScale> potentials;  // with a report
  std::optional<Gradients> gradients;     // with a report, unless every gradient is negligible
};

// The layers, in the order drawn: the potential field's bands, lines,
// gradient arrows and labels, faint in the mirror images; dashed axes of symmetry, faint mirror
// images and red halos along loops that run the wrong way; each boundary
// with a normal tick at each node, arrows along its direction of travel and
// its number; internal points, boundary nodes and group labels; gradient
// arrows of the internal points when there is no field; red circles where the warnings point.
void draw_potential_field(const Canvas& c);
void draw_background(const Canvas& c);
void draw_boundaries(const Canvas& c);
void draw_points_and_nodes(const Canvas& c);
void draw_gradients(const Canvas& c);
void draw_warning_marks(const Canvas& c);

// The legend with its top left corner at `corner`; returns its height.
double draw_legend(const Canvas& c, Point corner);
// The numbered warnings, wrapped to `width`; returns their height.
double draw_warning_list(SvgWriter& svg, const std::vector<Warning>& warnings, Point corner,
                         double width);

// The gradient arrows of the results' internal points, or nothing.
std::optional<Gradients> gradients_of(const Problem& problem, const Results* results,
                                      const View& view, const ColourScale& potentials);
// The same from the field grid.
std::optional<Gradients> gradients_of_field(const FieldGrid& field, const Problem& problem,
                                            const View& view, const ColourScale& potentials);
// One arrow per cell of the coarse grid, or nothing when the longest is
// below rounding noise of a potential varying by `typical` per unit length.
std::optional<Gradients> thinned_gradients(const std::vector<Arrow>& arrows, const View& view,
                                           double typical);

// The levels of the field's bands and lines: round values, 1, 2 or 5 times
// a power of ten apart, over the range drawn; none when nothing is drawn.
std::vector<double> field_levels(const FieldGrid& field);

// Whether p lies in a mirror image of the described part, which the field
// shows faintly.
bool in_mirror_image(const Problem& problem, Point p);

// `text` beside `at`, kept clear of it in the unit direction `away` (none:
// centred on it), and inside the plot's frame.
void place_label(const Canvas& c, Point at, Point away, const std::string& text,
                 const std::string& css);

// A triangle with its tip at `tip`, pointing along the unit vector t.
std::vector<Point> arrow_head(Point tip, Point t, double length, double width);

// The colour of a node's boundary-condition code, and what the code means.
std::string_view code_colour(int code);
std::string_view code_meaning(int code);

}  // namespace plot
