// Reading the results back from a report: the table of boundary nodes and,
// when the problem has internal points, the table of internal points.
// Self-contained, so that any tool of the project can read reports with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lib/point.hpp"
#include "plot/plot_error.hpp"

namespace plot {

using lib::Point;

struct NodeResult {
  int node = 0;
  Point at;
  double S = 0.0;  // arc length along the boundaries
  double potential = 0.0;
  std::optional<double> derivative;  // absent for an interface node (code 3)
};

struct InternalResult {
  Point at;
  double potential = 0.0;
  Point gradient;
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

// The lines of the file at path, each ended by LF; `role` names it in the
// message of the PlotError thrown when it cannot be read ("input file",
// "report"), or has a line longer than textio::kMaxLineLength or more than
// 64 MiB.
std::string read_file(const std::string& path, const std::string& role);

}  // namespace plot
