// Reading the results back from a report recovers the values printed there.
#include "plot/report_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "2D/memory_run.hpp"
#include "e2e/run_program.hpp"
#include "plot/plot_error.hpp"
#include "plot/shapes.hpp"
#include "textio/units.hpp"

namespace {

// The report prints six significant digits.
constexpr double kPrinted = 5.0E-6;

void expect_printed(double read, double value) {
  EXPECT_LE(std::fabs(read - value), kPrinted * std::fabs(value)) << read << " for " << value;
}

// The results section as the program writes it, from a state with chosen
// values: tiny and huge exponents, a negative zero, an interface node.
TEST(ReportReader, RecoversEveryValueTheResultsWriterPrints) {
  const auto v = std::make_unique<velda::Velda>();
  v->NELEM = 3;
  v->NINTP = 2;
  const double node[3][5] = {{0.5, 0.0, 1.0, 1.234567e-120, -7.654321e+101},
                             {-1.5, 2.25e-3, 2.0, -0.0, 3.0},
                             {1.0e10, -4.0, 3.0, 0.999999951, 0.0}};
  for (int I = 1; I <= 3; ++I) {
    v->XN(I) = node[I - 1][0];
    v->YN(I) = node[I - 1][1];
    v->ELEN(I) = node[I - 1][2];
    v->POTB(I) = node[I - 1][3];
    v->DPOTB(I) = node[I - 1][4];
  }
  v->KBC(1) = -2;
  v->KBC(2) = velda::KBC_INTERFACE;
  const double point[2][5] = {{0.25, 0.75, 0.5, 1.0e-300, -2.5}, {-3.0, 1.0e99, 0.0, 0.0, 1.0}};
  for (int J = 1; J <= 2; ++J) {
    v->XINT(J) = point[J - 1][0];
    v->YINT(J) = point[J - 1][1];
    v->POTI(J) = point[J - 1][2];
    v->GRDX(J) = point[J - 1][3];
    v->GRDY(J) = point[J - 1][4];
  }
  std::ostringstream report;
  textio::Units u;
  u.report.connect(report, 6, "report");
  velda::OUTPMPC(*v, u);
  u.report.close();

  const plot::Results r = plot::parse_report(report.str(), "report");
  ASSERT_EQ(r.nodes.size(), 3u);
  const double S[3] = {0.5, 2.0, 4.5};
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(r.nodes[I].node, I + 1);
    expect_printed(r.nodes[I].at.x, node[I][0]);
    expect_printed(r.nodes[I].at.y, node[I][1]);
    expect_printed(r.nodes[I].S, S[I]);
    expect_printed(r.nodes[I].potential, node[I][3]);
  }
  expect_printed(*r.nodes[0].derivative, node[0][4]);
  EXPECT_FALSE(r.nodes[1].derivative.has_value());  // an interface node prints none
  expect_printed(*r.nodes[2].derivative, node[2][4]);
  ASSERT_EQ(r.internal.size(), 2u);
  for (int J = 0; J < 2; ++J) {
    expect_printed(r.internal[J].at.x, point[J][0]);
    expect_printed(r.internal[J].at.y, point[J][1]);
    expect_printed(r.internal[J].potential, point[J][2]);
    expect_printed(r.internal[J].gradient.x, point[J][3]);
    expect_printed(r.internal[J].gradient.y, point[J][4]);
  }
}

// The whole report of the square: data echo before the results, currents
// after them. Its prescribed potentials and node places are known.
TEST(ReportReader, FindsTheTablesInAWholeReport) {
  const auto run = velda_test::run_in_memory(e2e::source_file("examples/square.in"));
  ASSERT_EQ(run.status, 0) << run.error;
  const plot::Results r = plot::parse_report(run.report(), "OUT");
  ASSERT_EQ(r.nodes.size(), 4u);
  EXPECT_EQ(r.nodes[0].potential, 0.0);
  EXPECT_EQ(r.nodes[2].potential, 1.0);
  ASSERT_EQ(r.internal.size(), 1u);
  EXPECT_EQ(r.internal[0].at.x, 0.5);
  EXPECT_NEAR(r.internal[0].potential, 0.5, 1e-3);
  const plot::Problem problem =
      plot::problem_from_text(e2e::source_file("examples/square.in"), "square.in");
  EXPECT_NO_THROW(plot::check_report_matches(problem, r, "square.in", "OUT"));
}

TEST(ReportReader, TitleReadingResultsIsPassedOver) {
  plot_test::Shape s = plot_test::annulus();
  s.title = "  RESULTS";
  s.internal.clear();
  const auto run = velda_test::run_in_memory(plot_test::input_text(s));
  ASSERT_EQ(run.status, 0) << run.error;
  const plot::Results r = plot::parse_report(run.report(), "OUT");
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

TEST(ReportReader, RefusesTheReportOfAnotherProblem) {
  const auto run = velda_test::run_in_memory(e2e::source_file("examples/square.in"));
  plot::Results r = plot::parse_report(run.report(), "OUT");
  plot_test::Shape s = plot_test::annulus();
  const auto annulus = plot_test::problem_of(s);
  EXPECT_THROW(plot::check_report_matches(annulus, r, "a.in", "OUT"), plot::PlotError);
  const plot::Problem square =
      plot::problem_from_text(e2e::source_file("examples/square.in"), "square.in");
  r.nodes[2].at.y = 1.0001;
  try {
    plot::check_report_matches(square, r, "square.in", "OUT");
    FAIL() << "a moved node was accepted";
  } catch (const plot::PlotError& e) {
    EXPECT_STREQ(e.what(),
                 "the report 'OUT' does not belong to the input file 'square.in': boundary node 3 "
                 "is at (0.5, 1.0001) in the report, at (0.5, 1) in the input");
  }
}

}  // namespace
