// velda-matrix against velda's own runs, closed forms and its own symmetry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/circle.hpp"
#include "runcontrol/memory_files.hpp"
#include "tests/support/csv_records.hpp"
#include "tests/support/in_process.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tests/support/problems.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/solved.hpp"
#include "tests/support/text.hpp"
#include "tools/matrix/capacitance.hpp"
#include "tools/matrix/run.hpp"

namespace {

using std::numbers::pi;
using test_support::contains;
using test_support::Shape;

matrix::Capacitance matrix_of(const std::string& input) {
  runcontrol::MemoryFiles files;
  files.add("IN", input);
  return matrix::capacitance(files, "IN");
}

using Tool = test_support::Outcome;

Tool velda_matrix(const std::string& input, std::vector<std::string> options = {}) {
  runcontrol::MemoryFiles files;
  files.add("IN", input);
  options.insert(options.begin(), "IN");
  return test_support::in_process([&](auto&... a) { return matrix::run(a..., files); }, options);
}

std::string example(const std::string& name) {
  return test_support::source_file("examples/" + name + ".in");
}

// n elements on the circle about (cx, cy) of radius r, each node's record.
void add_circle(Shape& s, double cx, double cy, double r, int n, bool clockwise,
                const std::string& record) {
  s.boundaries.push_back(fixtures::circle(cx, cy, r, n, clockwise));
  s.codes.insert(s.codes.end(), n, record);
}

// Three round conductors at potentials 2, -1 and 0.5, an insulating side and
// a dielectric cylinder in a grounded box.
std::string three_conductors(int n) {
  Shape s;
  s.boundaries.push_back(test_support::polyline({{0, 0}, {5, 0}, {5, 4}, {0, 4}, {0, 0}}, n / 2));
  s.codes.assign(3 * n / 2, "0 0.0");
  s.codes.insert(s.codes.end(), n / 2, "1 0.0");
  add_circle(s, 1.2, 1.0, 0.4, n, true, "-1 2.0");
  add_circle(s, 3.5, 1.4, 0.3, n, true, "-2 -1.0");
  add_circle(s, 2.0, 2.9, 0.5, n, true, "-3 0.5");
  add_circle(s, 3.8, 3.0, 0.3, n, true, "3 4.0");
  return test_support::input_text(s);
}

// The coaxial pair of radii 1 and 2 with n elements per circle.
std::string coaxial(int n) {
  Shape s;
  add_circle(s, 0, 0, 2.0, n, false, "-2 1.0");
  add_circle(s, 0, 0, 1.0, n, true, "-1 0.0");
  return test_support::input_text(s);
}

constexpr double kHalfDistance = 0.75, kRadius = 0.25;  // the two-wire line

// Two wires of radius kRadius, 2 kHalfDistance apart, in the open plane, at
// potentials 1 and -1: the cylinder at height kHalfDistance over the plane
// between them; all lengths times `scale`, the second wire's record `second`.
std::string two_wires(int n, double scale = 1.0, const char* second = "-2 -1.0") {
  Shape s;
  add_circle(s, -scale * kHalfDistance, 0, scale * kRadius, n, true, "-1 1.0");
  add_circle(s, scale * kHalfDistance, 0, scale * kRadius, n, true, second);
  return test_support::input_text(s);
}

// The quarter.in ring described as its upper half, 16 elements per half
// circle at the angles of annulus.in's.
std::string half_ring() {
  Shape s;
  s.ISYMY = 1;
  s.boundaries = {test_support::arc(2.0, 16, 0.0, pi), test_support::arc(1.0, 16, pi, -pi)};
  s.codes.assign(16, "-2 0.69314718056");
  s.codes.insert(s.codes.end(), 16, "-1 0.0");
  return test_support::input_text(s);
}

// For inputs whose only non-zero prescribed values are the groups'
// potentials V, velda's FLUX lines are C V over the copies of the described
// part, to round-off.
TEST(VeldaMatrix, VeldasFluxLinesAreTheMatrixTimesTheGroupPotentials) {
  struct Case {
    const char* name;
    std::string input;
    std::vector<double> V;
  };
  const Case cases[] = {{"capacitor", example("capacitor"), {1.0, -1.0}},
                        {"annulus", example("annulus"), {0.0, 0.69314718056}},
                        {"quarter", example("quarter"), {0.0, 0.69314718056}},
                        {"three conductors", three_conductors(16), {2.0, -1.0, 0.5}},
                        {"two wires in the open", two_wires(24), {1.0, -1.0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const matrix::Capacitance m = matrix_of(c.input);
    const std::vector<double> flux = test_support::solved(c.input).fluxes;
    ASSERT_EQ(flux.size(), c.V.size());
    for (std::size_t i = 0; i < c.V.size(); ++i) {
      double q = 0.0;
      for (std::size_t j = 0; j < c.V.size(); ++j) q += m(i, j) * c.V[j];
      // FLUX lines show six digits.
      EXPECT_NEAR(q / m.copies, flux[i], 1.0E-5 * std::abs(flux[i]) + 1.0E-12) << "group " << i + 1;
    }
  }
}

// The error at n elements against its estimate from n and 2n elements,
// |v(n) - v(2n)|: within twice that (an error falling at least like 1/n),
// and smaller at 2n.
TEST(VeldaMatrix, ExactValuesWithinTheDiscretisationErrorOfTheMesh) {
  struct Case {
    const char* name;
    std::function<std::string(int)> input;
    std::function<double(const matrix::Capacitance&)> value;
    double exact;
  };
  const double two_wire = pi / std::acosh(kHalfDistance / kRadius);
  const Case cases[] = {
      {"coaxial pair", coaxial, [](const auto& m) { return m(0, 0); }, 2 * pi / std::log(2.0)},
      {"two-wire line", [](int n) { return two_wires(n); }, [](const auto& m) { return m(0, 0); },
       two_wire},
      {"cylinder over a ground plane", [](int n) { return two_wires(n); },
       [](const auto& m) { return m(0, 0) - m(0, 1); }, 2 * two_wire}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double coarse = c.value(matrix_of(c.input(32)));
    const double fine = c.value(matrix_of(c.input(64)));
    EXPECT_LE(std::abs(coarse - c.exact), 2 * std::abs(coarse - fine));
    EXPECT_LT(std::abs(fine - c.exact), std::abs(coarse - c.exact));
  }
}

// In the open plane the charges sum to zero: every row and column sums to
// zero, whatever the length unit.
TEST(VeldaMatrix, OpenRegionMatrixHasZeroRowSumsInAnyLengthUnit) {
  const matrix::Capacitance m = matrix_of(two_wires(32));
  ASSERT_TRUE(m.open);
  EXPECT_NEAR(m(0, 0) + m(0, 1), 0.0, 1.0E-12 * m(0, 0));
  EXPECT_NEAR(m(1, 0) + m(1, 1), 0.0, 1.0E-12 * m(0, 0));
  // The same line ten times larger: the same matrix.
  EXPECT_NEAR(matrix_of(two_wires(32, 10.0))(0, 1), m(0, 1), 1.0E-9 * m(0, 0));
  // The second wire the reference: its charge counts in the sum.
  const matrix::Capacitance to_ground = matrix_of(two_wires(32, 1.0, "0 0.0"));
  ASSERT_EQ(to_ground.groups, std::vector<int>{1});
  EXPECT_NEAR(to_ground(0, 0), m(0, 0), 1.0E-9 * m(0, 0));
}

TEST(VeldaMatrix, ThreeConductorsAreSymmetricToTheResidualThatShrinksWithTheElements) {
  const matrix::Capacitance coarse = matrix_of(three_conductors(16));
  const matrix::Capacitance fine = matrix_of(three_conductors(32));
  ASSERT_EQ(fine.groups, (std::vector<int>{1, 2, 3}));
  ASSERT_TRUE(coarse.reciprocity && fine.reciprocity);
  EXPECT_LT(*fine.reciprocity, *coarse.reciprocity);
  EXPECT_LT(*fine.reciprocity, 1.0E-2);
  const double largest_diagonal = std::max({fine(0, 0), fine(1, 1), fine(2, 2)});
  for (int i = 0; i < 3; ++i) {
    EXPECT_GT(fine(i, i), 0.0);
    double row = 0.0;
    for (int j = 0; j < 3; ++j) {
      if (j != i) {
        EXPECT_LT(fine(i, j), 0.0);
      }
      EXPECT_LE(std::abs(fine(i, j) - fine(j, i)), *fine.reciprocity * largest_diagonal);
      row += fine(i, j);
    }
    EXPECT_GT(row, 0.0) << "group " << i + 1 << " sees the grounded box";
  }
}

// The quarter with both symmetric images, and a half with one, give the
// whole ring of annulus.in, which has the same nodes.
TEST(VeldaMatrix, SymmetricImagesGiveTheWholeRing) {
  const matrix::Capacitance ring = matrix_of(example("annulus"));
  const matrix::Capacitance quarter = matrix_of(example("quarter"));
  const matrix::Capacitance half = matrix_of(half_ring());
  EXPECT_EQ(quarter.copies, 4);
  EXPECT_EQ(half.copies, 2);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      EXPECT_NEAR(quarter(i, j), ring(i, j), 1.0E-9 * ring(0, 0));
      EXPECT_NEAR(half(i, j), ring(i, j), 1.0E-9 * ring(0, 0));
    }
}

TEST(VeldaMatrix, AntisymmetricAndOtherWeightsAreRefusedWithWhy) {
  const std::string quarter = example("quarter");
  const auto flags = quarter.find("1 1 16");
  for (const char* replaced : {"-1 1 16", "1 -1 16", "2 0 16"}) {
    SCOPED_TRACE(replaced);
    const Tool t = velda_matrix(std::string(quarter).replace(flags, 6, replaced));
    EXPECT_EQ(t.status, matrix::kExitNoMatrix);
    EXPECT_EQ(t.out, "");
    const bool antisymmetric = replaced[0] == '-' || replaced[2] == '-';
    EXPECT_TRUE(contains(t.error, antisymmetric ? "cannot be formed; describe the whole device"
                                                : "belongs to no device"));
  }
}

TEST(VeldaMatrix, GroupsWithoutNodesAreLeftOutAndTooFewAreTold) {
  std::string capacitor = example("capacitor");
  for (auto at = capacitor.find("-2 -1.0"); at != std::string::npos; at = capacitor.find("-2 -1.0"))
    capacitor.replace(at, 2, "-4");
  Tool t = velda_matrix(capacitor);
  EXPECT_EQ(t.status, matrix::kExitWritten);
  EXPECT_EQ(t.error,
            "velda-matrix: group 2 has no nodes and is left out\n"
            "velda-matrix: group 3 has no nodes and is left out\n");
  EXPECT_EQ(matrix_of(capacitor).groups, (std::vector<int>{1, 4}));

  t = velda_matrix(example("square"));
  EXPECT_EQ(t.status, matrix::kExitNoMatrix);
  EXPECT_TRUE(contains(t.error, "there is no currents group"));
  Shape lone;  // one group in an insulated box
  lone.boundaries.push_back(test_support::polyline({{0, 0}, {3, 0}, {3, 3}, {0, 3}, {0, 0}}, 2));
  lone.codes.assign(8, "1 0.0");
  add_circle(lone, 1.5, 1.5, 0.5, 8, true, "-1 1.0");
  t = velda_matrix(test_support::input_text(lone));
  EXPECT_EQ(t.status, matrix::kExitNoMatrix);
  EXPECT_TRUE(contains(t.error, "group 1 is the only prescribed potential"));
}

// The solver's small pivot, a singular system, an arithmetic failure, a
// number not read and a refused input, each as velda's own run on the same
// input gives it.
TEST(VeldaMatrix, WarningsAndFailuresAsVeldaGivesThem) {
  const auto input = [](const std::string& file) {
    return test_support::source_file("tests/" + file);
  };
  const auto report = [](const std::string& input) {
    return test_support::run_in_memory(input).report;
  };
  const auto failure = [](const std::string& input) {
    const std::string error = test_support::run_in_memory(input).error;
    const auto reason = error.find("\r\n- ");
    return error.substr(reason, error.find("\r\n", reason + 2) - reason);
  };
  const std::string tiny = input("tools/matrix/data/tiny_conductor.in");
  const Tool small = velda_matrix(tiny);
  const auto line_end = small.error.find('\n');
  ASSERT_NE(line_end, std::string::npos) << small.error;
  EXPECT_TRUE(contains(report(tiny), small.error.substr(0, line_end)));
  EXPECT_EQ(small.error.rfind("**** IER NON ZERO IN DPVT :", 0), 0u) << small.error;
  for (const char* file : {"tools/matrix/data/coincident_conductors.in",
                           "malformed/coordinates_overflow.in", "malformed/point_hexadecimal.in"}) {
    const Tool t = velda_matrix(input(file));
    EXPECT_EQ(t.status, matrix::kExitNoMatrix) << file;
    EXPECT_TRUE(contains(t.error, failure(input(file))));
  }
  const std::string unknown = input("malformed/code_five.in");
  const Tool refused = velda_matrix(unknown);
  EXPECT_EQ(refused.status, matrix::kExitNoMatrix);
  EXPECT_TRUE(
      contains(report(unknown), refused.error.substr(refused.error.find("refused: ") + 9, 20)));
}

// The table's two blocks read back: the Maxwell matrix C to its printed
// digits, then the mutual form, -C off the diagonal and the row sums on it;
// with the copies of a symmetric image named.
TEST(VeldaMatrix, TableGivesTheMaxwellMatrixThenTheMutualForm) {
  for (const char* name : {"capacitor", "quarter"}) {
    SCOPED_TRACE(name);
    const Tool t = velda_matrix(example(name));
    ASSERT_EQ(t.status, matrix::kExitWritten) << t.error;
    const matrix::Capacitance m = matrix_of(example(name));
    std::istringstream text(t.out);
    std::vector<std::vector<double>> rows;  // the lines "  group k  value value"
    for (std::string line; std::getline(text, line);) {
      std::istringstream fields(line);
      int group = 0;
      double a = 0, b = 0;
      if (line.rfind("      ", 0) == 0 && fields >> group >> a >> b) rows.push_back({a, b});
    }
    ASSERT_EQ(rows.size(), 4u);
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 2; ++j) {
        const double mutual = i == j ? m(i, 0) + m(i, 1) : -m(i, j);
        EXPECT_NEAR(rows[i][j], m(i, j), 1.0E-5 * std::abs(m(i, j)));
        EXPECT_NEAR(rows[2 + i][j], mutual, 1.0E-5 * std::abs(m(i, j)));
      }
    EXPECT_EQ(t.out.find("described part's times 4") != std::string::npos, m.copies == 4);
  }
}

// The CSV read back field by field: the header of group numbers, then each
// row's number and its values, which read back to the matrix's own.
TEST(VeldaMatrix, CsvHoldsTheMaxwellMatrixExactly) {
  const Tool t = velda_matrix(example("capacitor"), {"--csv"});
  ASSERT_EQ(t.status, matrix::kExitWritten) << t.error;
  const matrix::Capacitance m = matrix_of(example("capacitor"));
  const std::vector<test_support::Record> records = test_support::csv_records(t.out);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], (std::vector<std::string>{"group", "1", "2"}));
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(records[i + 1].size(), 3u);
    EXPECT_EQ(records[i + 1][0], std::to_string(i + 1));
    for (int j = 0; j < 2; ++j) EXPECT_EQ(std::stod(records[i + 1][j + 1]), m(i, j));
  }
}

}  // namespace
