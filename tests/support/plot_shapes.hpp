// Problems for the tests of velda-plot, written as input files, solved,
// and a check that its pictures are well-formed XML.
#pragma once

#include <string>
#include <vector>

#include "fixtures/input_text.hpp"
#include "geometry/checks.hpp"
#include "tools/plot/problem.hpp"

namespace test_support {

using fixtures::input_text;
using fixtures::Polyline;
using fixtures::Shape;

plot::Problem problem_of(const Shape& shape);

// A problem with the results of its report and its examination.
struct PlotCase {
  plot::Problem problem;
  plot::Results results;
  geometry::Examination examination;
};

// A bundled example with its checked-in report, e.g. "annulus".
PlotCase bundled(const std::string& name);

// The input solved in memory, named `name`; a run that does not end
// normally fails the test.
PlotCase solved_case(const std::string& input, const std::string& name = "IN");

// A closed polygon of n elements on a circle about the origin, starting at
// angle `from` and turning by `turn` in all (2 pi: counter-clockwise round).
Polyline arc(double radius, int n, double from, double turn);
Polyline circle(double radius, int n, bool counter_clockwise);
Polyline reversed(Polyline line);

// Radius 2 counter-clockwise in 16 elements at potential 0, a hole of
// radius 1 clockwise in 8 elements at potential 1 in group 1, internal points
// at radius 1.5. reversed_hole turns the hole counter-clockwise.
Shape annulus(bool reversed_hole = false);

// What expat finds wrong with the document, or an empty text when it is
// well-formed.
std::string xml_fault(const std::string& document);

}  // namespace test_support
