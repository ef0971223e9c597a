#include "tests/support/plot_shapes.hpp"

#include <expat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fixtures/circle.hpp"
#include "report/report.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/run_program.hpp"

namespace test_support {

plot::Problem problem_of(const Shape& shape) {
  return plot::problem_from_text(input_text(shape), "shape.in");
}

PlotCase bundled(const std::string& name) {
  const std::string input = source_path("examples/" + name + ".in");
  PlotCase c{plot::read_problem(input),
             report::read(source_path("examples/expected/" + name + ".out")).results,
             {}};
  c.examination = geometry::examine(c.problem);
  return c;
}

PlotCase solved_case(const std::string& input, const std::string& name) {
  const MemoryRun run = run_in_memory(input);
  EXPECT_EQ(run.status, 0) << run.error;
  PlotCase c{plot::problem_from_text(input, name), report::parse(run.report, "OUT").results, {}};
  c.examination = geometry::examine(c.problem);
  return c;
}

Polyline arc(double radius, int n, double from, double turn) {
  Polyline line;
  for (int k = 0; k <= n; ++k) {
    const double angle = from + turn * k / n;
    line.push_back({radius * std::cos(angle), radius * std::sin(angle)});
  }
  return line;
}

Polyline circle(double radius, int n, bool counter_clockwise) {
  return fixtures::circle(0, 0, radius, n, !counter_clockwise);
}

Polyline reversed(Polyline line) {
  std::reverse(line.begin(), line.end());
  return line;
}

Shape annulus(bool reversed_hole) {
  Shape s;
  s.title = " ANNULUS";
  s.boundaries = {circle(2.0, 16, true), circle(1.0, 8, reversed_hole)};
  s.codes.assign(16, "0 0.0");
  s.codes.insert(s.codes.end(), 8, "-1 1.0");
  for (const lib::Point& p : arc(1.5, 6, 0.1, 2.0 * std::numbers::pi)) s.internal.push_back(p);
  s.internal.pop_back();
  return s;
}

std::string xml_fault(const std::string& document) {
  const XML_Parser parser = XML_ParserCreate("UTF-8");
  std::string fault;
  if (XML_Parse(parser, document.data(), static_cast<int>(document.size()), XML_TRUE) ==
      XML_STATUS_ERROR)
    fault = std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line " +
            std::to_string(XML_GetCurrentLineNumber(parser));
  XML_ParserFree(parser);
  return fault;
}

}  // namespace test_support
