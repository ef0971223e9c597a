// Reading the results back from a report: the table of boundary nodes and,
// when the problem has internal points, the table of internal points.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/point.hpp"
#include "plot/problem.hpp"

namespace plot {

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
// PlotError naming the line that cannot be read.
Results parse_report(std::string_view text, const std::string& name);

Results read_report(const std::string& path);

// Throws a PlotError unless the report lists the nodes and internal points
// of this problem, at the same places to the printed precision.
void check_report_matches(const Problem& problem, const Results& results,
                          const std::string& input_name, const std::string& report_name);

}  // namespace plot
