// The problem as the picture needs it: its geometry (geometry/shape.hpp),
// its title, and the program's state from which the solution is evaluated. Read
// with the program's own input step, element geometry and mirror images, so
// the picture shows exactly what a run would solve.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "2D/images.hpp"
#include "geometry/shape.hpp"
#include "report/report.hpp"
#include "tools/plot/plot_error.hpp"

namespace plot {

using geometry::Boundary;
using geometry::Box;
using geometry::box_around;
using geometry::distance_to_segment;
using geometry::Element;
using geometry::Piece;
using geometry::place;
using geometry::short_number;
using geometry::twice_signed_area;
using lib::Point;
using report::InternalResult;
using report::NodeResult;
using report::Results;

struct Problem : geometry::Shape {
  std::string title;  // as the report shows it
  // The program's state as its input step and element geometry left it,
  // from which the solution is evaluated with the program's own sums.
  std::shared_ptr<const velda::Velda> state;
};

// Reads the input file at path, or throws a PlotError that says what is
// wrong with it.
Problem read_problem(const std::string& path);

// The same from the text of an input file; name is used in messages.
Problem problem_from_text(const std::string& text, const std::string& name);

// Throws a PlotError unless the report lists the nodes and internal points
// of this problem, at the same places to the printed precision, with
// gradients small enough to draw.
void check_report_matches(const Problem& problem, const Results& results,
                          const std::string& input_name, const std::string& report_name);

}  // namespace plot
