// What the layers of the plot draw from, and the layers themselves. Each
// layer is drawn by a file of its own (boundaries, nodes, draw_potential,
// gradients, warnings, legend).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/checks.hpp"
#include "report/report.hpp"
#include "tools/plot/colour.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/problem.hpp"
#include "tools/plot/svg_writer.hpp"
#include "tools/plot/view.hpp"

namespace plot {

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
  const geometry::Examination& examination;
  const Results* results;                 // null without a report
  const FieldGrid* field;                 // null without a report or with --no-field
  std::vector<double> levels;             // of the field's bands and lines: field_levels()
  std::optional<ColourScale> potentials;  // with a report
  std::optional<Gradients> gradients;     // with a report, unless every gradient is negligible
  bool dense_nodes = false;               // nodes drawn as a line: dense_nodes()
  bool point_marks = false;               // internal points drawn as dots: point_marks()
};

// Whether the nodes lie so close on the picture (the median element shorter
// than a few pixels) that circles would merge: the boundary is then drawn
// as a line coloured by code and potential, and its normal ticks thinned.
bool dense_nodes(const Problem& problem, const View& view);

// Whether the internal points become small dots: over a drawn field, when
// they lie so close that circles would hide it.
bool point_marks(const Problem& problem, const View& view, bool field_drawn);

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
double draw_warning_list(SvgWriter& svg, const std::vector<geometry::Warning>& warnings,
                         Point corner, double width);

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

}  // namespace plot
