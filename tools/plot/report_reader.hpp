// Reading a report back: the table of boundary nodes and, when the problem
// has internal points, the table of internal points; and for a whole report
// also its title, counts, currents and how far the run that wrote it went.
// Self-contained, so that any tool of the project can read reports with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lib/point.hpp"
#include "tools/plot/plot_error.hpp"

namespace plot {

using lib::Point;

struct NodeResult {
  int node = 0;
  Point at;
  double S = 0.0;  // arc length along the boundaries
  double potential = 0.0;
  std::optional<double> derivative;  // absent for an interface node (code 3)
  std::vector<std::string> printed;  // x, y, S, potential, derivative as printed
};

struct InternalResult {
  Point at;
  double potential = 0.0;
  Point gradient;
  std::vector<std::string> printed;  // x, y, potential, gradient x and y as printed
};

struct Results {
  std::vector<NodeResult> nodes;
  std::vector<InternalResult> internal;
};

// The two tables of the report text; name is used in messages. Throws a
// PlotError (plot_error.hpp) naming the line that cannot be read.
Results parse_report(std::string_view text, const std::string& name);

// The same from the report file at path.
Results read_report(const std::string& path);

// The bytes of the file at path, read line by line; `role` names it in the
// message of the PlotError thrown when it cannot be read ("input file",
// "report"), or has a line longer than textio::kMaxLineLength or more than
// 64 MiB.
std::string read_file(const std::string& path, const std::string& role);

// How far the run that wrote a report went: to its end; stopped on input it
// refused; or not to the end of its results (a failure, a killed run, a cut
// copy).
enum class RunStatus { complete, refused, incomplete };

// A whole report, its texts as the report prints them.
struct Report {
  std::string title;  // as the echo shows it, trailing blanks taken off
  RunStatus status = RunStatus::incomplete;
  // refused: the refusal; incomplete: where the report stops; complete: the
  // solver's warning line, if there is one.
  std::string note;
  // The counts as the echo prints them; empty when it does not.
  std::string elements, internal_points, boundaries;
  Results results;                  // of a complete report
  std::vector<std::string> fluxes;  // FLUX of group 1, 2, ... of a complete report
};

// Throws a PlotError when the text is not a report or a table in it cannot
// be read; name is used in messages.
Report parse_whole_report(std::string_view text, const std::string& name);

Report read_whole_report(const std::string& path);

}  // namespace plot
