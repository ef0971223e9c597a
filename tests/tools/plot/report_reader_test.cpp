// Reading the results back from a report recovers the values printed there.
#include "tools/plot/report_reader.hpp"

#include <gtest/gtest.h>

#include "tools/plot/problem.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tests/support/run_program.hpp"

namespace {

// Values as the report prints them: exponents of three digits, an interface
// node with no derivative.
TEST(ReportReader, RecoversEveryPrintedValue) {
  const plot::Results r = plot::parse_report(
      "RESULTS\r\n\r\n BOUNDARY NODES\r\n\r\nNODE   X\r\n\r\n"
      "   1     5.00000E-01     0.00000E+00     5.00000E-01     1.23457-120    -7.65432+101\r\n"
      "   2    -1.50000E+00     2.25000E-03     2.00000E+00     0.00000E+00\r\n\r\n"
      " INTERNAL POINTS\r\n\r\n       X   Y\r\n\r\n"
      "    2.50000E-01     1.00000-300    -2.50000E+00     1.00000+099     0.00000E+00\r\n\r\n",
      "report");
  ASSERT_EQ(r.nodes.size(), 2u);
  EXPECT_EQ(r.nodes[0].potential, 1.23457e-120);
  EXPECT_EQ(r.nodes[0].derivative, -7.65432e+101);
  EXPECT_EQ(r.nodes[1].at.y, 2.25e-3);
  EXPECT_EQ(r.nodes[1].S, 2.0);
  EXPECT_FALSE(r.nodes[1].derivative.has_value());
  ASSERT_EQ(r.internal.size(), 1u);
  EXPECT_EQ(r.internal[0].at.y, 1e-300);
  EXPECT_EQ(r.internal[0].potential, -2.5);
  EXPECT_EQ(r.internal[0].gradient.x, 1e99);
}

// The whole report of the square, data echo before the results and currents
// after them, belongs to the square's input and to no other.
TEST(ReportReader, ReadsAWholeReportAndMatchesItToItsInputAlone) {
  const std::string input = test_support::source_file("examples/square.in");
  plot::Results r = plot::parse_report(test_support::run_in_memory(input).report, "OUT");
  ASSERT_EQ(r.nodes.size(), 4u);
  ASSERT_EQ(r.internal.size(), 1u);
  const plot::Problem square = plot::problem_from_text(input, "square.in");
  EXPECT_NO_THROW(plot::check_report_matches(square, r, "square.in", "OUT"));
  EXPECT_THROW(plot::check_report_matches(test_support::problem_of(test_support::annulus()), r,
                                          "a.in", "OUT"),
               plot::PlotError);
  r.nodes[2].at.y = 1.0001;
  try {
    plot::check_report_matches(square, r, "square.in", "OUT");
    ADD_FAILURE() << "a moved node was accepted";
  } catch (const plot::PlotError& e) {
    EXPECT_STREQ(e.what(),
                 "the report 'OUT' does not belong to the input file 'square.in': boundary node 3 "
                 "is at (0.5, 1.0001) in the report, at (0.5, 1) in the input");
  }
}

TEST(ReportReader, TitleReadingResultsIsPassedOver) {
  test_support::Shape s = test_support::annulus();
  s.title = "  RESULTS";
  s.internal.clear();
  const auto run = test_support::run_in_memory(test_support::input_text(s));
  ASSERT_EQ(run.status, 0) << run.error;
  const plot::Results r = plot::parse_report(run.report, "OUT");
  EXPECT_EQ(r.nodes.size(), 24u);
  EXPECT_TRUE(r.internal.empty());  // no internal points, no table
}

std::string refusal(const std::string& report) {
  try {
    plot::parse_report(report, "r.out");
  } catch (const plot::PlotError& e) {
    return e.what();
  }
  return "";
}

TEST(ReportReader, RefusesReportsItCannotRead) {
  const std::string head = "RESULTS\n\n BOUNDARY NODES\n\n NODE   X\n\n";
  EXPECT_NE(refusal("DATA\n").find("holds no table of boundary nodes"), std::string::npos);
  EXPECT_EQ(
      refusal(head + "   1     5.00000E-01     0.0000xE+00     5.00000E-01     0.00000E+00\n"),
      "cannot read the report 'r.out', line 7: column 23 holds no number");
  EXPECT_EQ(
      refusal(head + "   2     5.00000E-01     0.00000E+00     5.00000E-01     0.00000E+00\n"),
      "cannot read the report 'r.out', line 7: node 1 expected in columns 1-4");
  EXPECT_EQ(refusal(head + "   1     5.00000E-01     0.00000E+00     5.00000E-01\n"),
            "cannot read the report 'r.out', line 7: it has 3 values, not 4");
}

}  // namespace
