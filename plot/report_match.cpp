// Whether a report belongs to the input it is drawn with: the same number of
// nodes and internal points, at the same places to the printed precision.
#include <cmath>
#include <cstdio>

#include "plot/plot_error.hpp"
#include "plot/report_reader.hpp"

namespace plot {
namespace {

// The report prints six significant digits: a printed coordinate is within
// half a unit of the sixth digit of the true one. Coordinates that differ by
// more than this belong to a different problem.
constexpr double kPrintedPrecision = 1.0E-5;

bool same_place(Point printed, Point exact) {
  const auto close = [](double p, double e) {
    return std::fabs(p - e) <= kPrintedPrecision * std::fabs(e);
  };
  return close(printed.x, exact.x) && close(printed.y, exact.y);
}

std::string shown(Point p) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.6g, %.6g)", p.x, p.y);
  return text;
}

[[noreturn]] void mismatch(const std::string& input_name, const std::string& report_name,
                           const std::string& what) {
  throw PlotError("the report '" + report_name + "' does not belong to the input file '" +
                  input_name + "': " + what);
}

template <typename Row>
void check_places(const std::vector<Row>& rows, const std::vector<Point>& exact,
                  const std::string& kind, const std::string& input_name,
                  const std::string& report_name) {
  if (rows.size() != exact.size())
    mismatch(input_name, report_name,
             "it lists " + std::to_string(rows.size()) + " " + kind + "s, the input has " +
                 std::to_string(exact.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (!same_place(rows[i].at, exact[i]))
      mismatch(input_name, report_name,
               kind + " " + std::to_string(i + 1) + " is at " + shown(rows[i].at) +
                   " in the report, at " + shown(exact[i]) + " in the input");
}

}  // namespace

void check_report_matches(const Problem& problem, const Results& results,
                          const std::string& input_name, const std::string& report_name) {
  std::vector<Point> nodes;
  for (const Element& e : problem.elements) nodes.push_back(e.node);
  check_places(results.nodes, nodes, "boundary node", input_name, report_name);
  check_places(results.internal, problem.internal, "internal point", input_name, report_name);
}

}  // namespace plot
