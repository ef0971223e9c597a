// Reading the results back from a report recovers the values printed there.
#include "plot/report_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <tuple>

#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "plot/problem.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tests/support/run_program.hpp"
#include "textio/units.hpp"

namespace {

// The results section as the program writes it, from a state with chosen
// values: tiny and huge exponents, a negative zero, an interface node.
TEST(ReportReader, RecoversEveryValueTheResultsWriterPrints) {
  const double node[3][5] = {{0.5, 0.0, 1.0, 1.234567e-120, -7.654321e+101},  // x, y, length,
                             {-1.5, 2.25e-3, 2.0, -0.0, 3.0},                 // potential,
                             {1.0e10, -4.0, 3.0, 0.999999951, 0.0}};          // derivative
  const double point[2][5] = {{0.25, 0.75, 0.5, 1.0e-300, -2.5}, {-3.0, 1.0e99, 0.0, 0.0, 1.0}};
  const auto v = std::make_unique<velda::Velda>();
  v->NELEM = 3;
  v->NINTP = 2;
  for (int I = 1; I <= 3; ++I) {
    const auto& n = node[I - 1];
    std::tie(v->XN(I), v->YN(I), v->ELEN(I), v->POTB(I), v->DPOTB(I)) =
        std::tie(n[0], n[1], n[2], n[3], n[4]);
  }
  for (int J = 1; J <= 2; ++J) {
    const auto& p = point[J - 1];
    std::tie(v->XINT(J), v->YINT(J), v->POTI(J), v->GRDX(J), v->GRDY(J)) =
        std::tie(p[0], p[1], p[2], p[3], p[4]);
  }
  v->KBC(1) = -2;
  v->KBC(2) = velda::KBC_INTERFACE;
  std::ostringstream report;
  textio::Units u;
  u.report.connect(report, 6, "report");
  velda::OUTPMPC(*v, u);
  u.report.close();

  // The report prints six significant digits.
  auto expect_printed = [](double read, double value) {
    EXPECT_LE(std::fabs(read - value), 5.0E-6 * std::fabs(value)) << read << " for " << value;
  };
  const plot::Results r = plot::parse_report(report.str(), "report");
  ASSERT_EQ(r.nodes.size(), 3u);
  for (int I = 0; I < 3; ++I) {
    const plot::NodeResult& n = r.nodes[I];
    EXPECT_EQ(n.node, I + 1);
    const double read[] = {n.at.x, n.at.y, n.S, n.potential}, S[] = {0.5, 2.0, 4.5};
    const double value[] = {node[I][0], node[I][1], S[I], node[I][3]};
    for (int k = 0; k < 4; ++k) expect_printed(read[k], value[k]);
    EXPECT_EQ(n.derivative.has_value(), I != 1);  // an interface node prints none
    if (I != 1) expect_printed(*n.derivative, node[I][4]);
  }
  ASSERT_EQ(r.internal.size(), 2u);
  for (int J = 0; J < 2; ++J) {
    const plot::InternalResult& p = r.internal[J];
    const double read[] = {p.at.x, p.at.y, p.potential, p.gradient.x, p.gradient.y};
    for (int k = 0; k < 5; ++k) expect_printed(read[k], point[J][k]);
  }
}

// The whole report of the square: data echo before the results, currents
// after them. Its prescribed potentials and node places are known, and it
// belongs to the square's input and to no other.
TEST(ReportReader, ReadsAWholeReportAndMatchesItToItsInputAlone) {
  const std::string input = test_support::source_file("examples/square.in");
  plot::Results r = plot::parse_report(test_support::run_in_memory(input).report, "OUT");
  ASSERT_EQ(r.nodes.size(), 4u);
  EXPECT_EQ(r.nodes[0].potential, 0.0);
  EXPECT_EQ(r.nodes[2].potential, 1.0);
  ASSERT_EQ(r.internal.size(), 1u);
  EXPECT_EQ(r.internal[0].at.x, 0.5);
  EXPECT_NEAR(r.internal[0].potential, 0.5, 1e-3);
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
