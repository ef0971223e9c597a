// velda-converge on problems whose exact answers are known: the estimated
// error of the finest level against its true error, the observed order
// against the theory's; and the command line, the kept levels, the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/csv_records.hpp"
#include "tests/support/in_process.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/problems.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/text.hpp"
#include "tools/converge/polygon_input.hpp"
#include "tools/converge/run.hpp"
#include "tools/table/run.hpp"

namespace converge {
namespace {

using test_support::csv_records;
using test_support::Record;

using test_support::Outcome;

Outcome converge(const std::vector<std::string>& args) {
  return test_support::in_process([](auto&... a) { return run(a...); }, args);
}

// One quantity's row of the CSV table, by its columns' names.
struct Row {
  std::map<std::string, std::string> field;
  double number(const std::string& column) const { return std::stod(field.at(column)); }
};

// The CSV table of velda-converge with `args`, row by "kind number".
std::map<std::string, Row> csv_study(const std::vector<std::string>& args) {
  const Outcome o = converge(args);
  EXPECT_EQ(o.status, kExitDone) << o.error;
  const std::vector<Record> records = csv_records(o.out);
  std::map<std::string, Row> rows;
  for (std::size_t r = 1; r < records.size(); ++r) {
    EXPECT_EQ(records[r].size(), records[0].size());
    Row row;
    for (std::size_t c = 0; c < records[0].size() && c < records[r].size(); ++c)
      row.field[records[0][c]] = records[r][c];
    rows[records[r][0] + " " + records[r][1]] = row;
  }
  return rows;
}

// The CSV table of `input` over `levels` levels.
std::map<std::string, Row> study(const std::string& input, int levels) {
  const test_support::Folder folder;
  folder.write("problem.in", input);
  return csv_study(
      {(folder.path() / "problem.in").string(), "--csv", "--levels", std::to_string(levels)});
}

// The estimate of a quantity against its exact value: the observed order
// near the theory's, the estimated error of the finest level and of level
// `own` (if any) within a factor 3 of the true ones, and the extrapolated
// value closer than the finest.
void expect_dependable(const Row& q, int levels, int own, double exact, double order) {
  const std::string finest = "level" + std::to_string(levels);
  const std::string mine = "level" + std::to_string(own);
  ASSERT_EQ(q.field.at("flag"), "");
  EXPECT_NEAR(q.number("order"), order, 0.15);
  const double true_error = q.number(finest) - exact;
  EXPECT_GT(q.number("error_finest") / true_error, 1.0 / 3.0);
  EXPECT_LT(q.number("error_finest") / true_error, 3.0);
  if (own == 0) return;
  const double own_error = q.number(mine) - exact;
  EXPECT_GT(q.number("error_input") / own_error, 1.0 / 3.0);
  EXPECT_LT(q.number("error_input") / own_error, 3.0);
  EXPECT_LT(std::fabs(q.number("extrapolated") - exact), std::fabs(true_error));
}

// The square coaxial line: a square conductor of side 1 at potential 1
// inside a grounded square of side 2, described by its quarter with both
// symmetries, 32 elements a side. Its capacitance per unit length is
// C/eps = 10.2340926, so each quarter's flux is C/(4 eps); the inner
// conductor's re-entrant corners, of angle 3 pi/2, limit the order to
// 2 (pi / (3 pi/2)) = 4/3.
TEST(Converge, SquareCoaxialLineAtTheOrderOfItsCorners) {
  constexpr double kCapacitance = 10.2340926;
  constexpr int kSide = 32;
  PolygonInput coax;
  coax.title = " SQUARE COAXIAL LINE, A QUARTER";
  coax.ISYMX = coax.ISYMY = 1;
  coax.boundaries.push_back({test_support::polyline({{1, 0}, {1, 1}, {0, 1}}, kSide), {}});
  coax.boundaries.push_back({test_support::polyline({{0, 0.5}, {0.5, 0.5}, {0.5, 0}}, kSide), {}});
  coax.boundaries[0].records.assign(2 * kSide, {-1, 0.0, 0.0});
  coax.boundaries[1].records.assign(2 * kSide, {-2, 1.0, 0.0});
  auto rows = study(input_text(coax), 3);
  // Flux leaves the region through the grounded wall and enters it from the
  // conductor: out through the wall, against its outward normal at the
  // conductor.
  expect_dependable(rows["flux 1"], 3, 1, -kCapacitance / 4, 4.0 / 3.0);
  expect_dependable(rows["flux 2"], 3, 1, kCapacitance / 4, 4.0 / 3.0);
}

// The annulus of the examples, u = ln r between two 32-sided polygons, is
// smooth enough away from its slightly re-entrant vertices for order 2 at
// points a quarter or more from either boundary. The exact answer of the
// polygon itself is not known in closed form: the reference is the polygon
// converged, from levels of 512 and 1024 elements and the theory's order 2.
// The point 1.125 from the centre lies 0.125 from the hole, less than an
// element's length of 0.196 at the coarsest level: its gradient is not
// settled, and is flagged instead of extrapolated.
TEST(Converge, AnnulusPotentialsAtOrderTwoAndUnsettledGradientFlagged) {
  const std::string annulus = test_support::source_file("examples/annulus.in");
  auto fine = study(annulus, 5);
  auto rows = study(annulus, 3);
  for (const char* name : {"potential 2", "potential 3", "potential 4"}) {
    SCOPED_TRACE(name);
    const double f4 = fine[name].number("level4"), f5 = fine[name].number("level5");
    const double polygon_converged = f5 + (f5 - f4) / 3;
    expect_dependable(rows[name], 3, 1, polygon_converged, 2.0);
  }
  const Row& unsettled = rows["gradient_x 1"];
  EXPECT_NE(unsettled.field.at("flag"), "");
  EXPECT_EQ(unsettled.field.at("extrapolated"), "");
  EXPECT_EQ(unsettled.field.at("error_finest"), "");
}

// The annulus drawn with Gmsh circles, u = ln r between r = 1 and r = 2 at
// the potentials of its records: each level's chords follow the circles, so
// the outer circle's flux converges at order 2 to the circles' own, 2 pi /
// ln 2 per unit potential. The finest level is meshed at a quarter of the
// model's sizes, through the option that sets it.
TEST(Converge, GmshAnnulusFluxConvergesToTheCirclesOwn) {
  constexpr double kOuterPotential = 0.69314718056;  // the model's record
  const double flux = 2 * std::numbers::pi / std::log(2.0) * kOuterPotential;
  auto rows = csv_study({std::string(VELDA_SOURCE_DIR) + "/examples/gmsh/annulus.geo", "--csv",
                         "--size-factor", "0.25"});
  EXPECT_EQ(rows["elements "].field["level3"], "256");
  expect_dependable(rows["flux 2"], 3, 0, flux, 2.0);
}

// A mesh file holds one mesh, with no size to halve: refused, saying what
// to give instead, before anything is read.
TEST(Converge, MeshFileIsRefusedWithWhatToGiveInstead) {
  const Outcome o = converge({"model.msh"});
  EXPECT_EQ(o.status, kExitRefused);
  EXPECT_NE(o.error.find("give the .geo model"), std::string::npos) << o.error;
}

// The CSV form: a header, the levels' rows, one row per quantity, every
// record as long as the header and ended by CR LF.
TEST(Converge, CsvHasAHeaderAndOneRowPerQuantity) {
  const Outcome o = converge({std::string(VELDA_SOURCE_DIR) + "/examples/capacitor.in", "--csv"});
  ASSERT_EQ(o.status, kExitDone) << o.error;
  const std::vector<Record> records = csv_records(o.out);
  ASSERT_EQ(records.size(), 3u + 2 + 4 * 3);  // header, elements, h; 2 fluxes, 4 points
  EXPECT_EQ(records[0], (Record{"quantity", "number", "level1", "level2", "level3", "order",
                                "extrapolated", "error_finest", "error_input", "flag"}));
  EXPECT_EQ(records[1], (Record{"elements", "", "128", "256", "512", "", "", "", "", ""}));
  for (const Record& r : records) EXPECT_EQ(r.size(), records[0].size());
  EXPECT_EQ(o.out.substr(o.out.size() - 2), "\r\n");
  EXPECT_EQ(o.out.find('\n'), o.out.find("\r\n") + 1);
}

// The readable table says what the estimate covers, and flags.
TEST(Converge, TableSaysWhatTheEstimateCovers) {
  const Outcome o = converge({std::string(VELDA_SOURCE_DIR) + "/examples/annulus.in"});
  ASSERT_EQ(o.status, kExitDone) << o.error;
  EXPECT_NE(o.out.find("the estimate covers the method's error on this polygon"),
            std::string::npos);
  EXPECT_NE(o.out.find("gradient_x 1"), std::string::npos);
  EXPECT_NE(o.out.find("not extrapolated"), std::string::npos);
  EXPECT_EQ(o.out.find("noted a pivot"), std::string::npos);
  EXPECT_EQ(o.error, "");  // no progress when not asked for
  // A conductor 1E-9 long gives a small pivot at every level.
  const Outcome tiny =
      converge({std::string(VELDA_SOURCE_DIR) + "/tests/tools/matrix/data/tiny_conductor.in"});
  EXPECT_EQ(test_support::occurrences(tiny.out, "(the solver noted a pivot below its tolerance)"),
            3);
}

TEST(Converge, ProgressNamesEachLevelWhenAskedFor) {
  std::ostringstream out, err;
  const std::string args[] = {std::string(VELDA_SOURCE_DIR) + "/examples/square.in"};
  ASSERT_EQ(run(args, out, err, true), kExitDone);
  EXPECT_EQ(err.str(),
            "velda-converge: solving level 1 of 3\nvelda-converge: solving level 2 of 3\n"
            "velda-converge: solving level 3 of 3\n");
}

// The records of velda-table's CSV for `args`.
std::vector<Record> velda_table(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  EXPECT_EQ(table::run(args, out, err), table::kExitAllComplete) << err.str();
  return csv_records(out.str());
}

// Each kept report is the program's own report of the kept input, the
// input's own level is the input's bytes, velda-table reads them all, and
// every value of the study, rounded as a report prints it, is the one its
// level's report prints.
TEST(Converge, KeptLevelsAreTheProgramsInputsAndReports) {
  const test_support::Folder folder;
  const std::string input = test_support::source_file("examples/capacitor.in");
  folder.write("capacitor.in", input);
  const std::string dir = (folder.path() / "levels").string();
  const Outcome o = converge({(folder.path() / "capacitor.in").string(), "--keep", dir, "--csv"});
  ASSERT_EQ(o.status, kExitDone) << o.error;
  const std::vector<Record> study = csv_records(o.out);
  EXPECT_EQ(folder.read("levels/level1.in"), input);
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    const std::string name = "levels/level" + std::to_string(k);
    EXPECT_EQ(folder.read(name + ".out"),
              test_support::run_in_memory(folder.read(name + ".in")).report);
    const std::string report = (folder.path() / (name + ".out")).string();
    // flux1 and flux2 from column 7 on; potential and gradient from 4 on.
    const Record fluxes = velda_table({report})[1];
    const std::vector<Record> points = velda_table({"--internal", report});
    const auto printed = [&](const Record& row) {
      const int number = std::stoi(row[1]);
      if (row[0] == "flux") return fluxes.at(6 + number);
      const int column = row[0] == "potential" ? 4 : row[0] == "gradient_x" ? 5 : 6;
      return points.at(number).at(column);
    };
    for (std::size_t r = 3; r < study.size(); ++r) {
      const double value = std::stod(study[r][1 + k]), shown = std::stod(printed(study[r]));
      EXPECT_NEAR(value, shown, 5e-6 * std::fabs(shown)) << study[r][0] << ' ' << study[r][1];
    }
  }
}

// After "--" a name that begins with a dash is the input's.
TEST(Converge, DoubleDashEndsTheOptions) {
  EXPECT_NE(converge({"--", "-no-such.in"}).error.find("cannot open the input file -no-such.in"),
            std::string::npos);
}

// Bad input is refused with the program's own words and the input's name;
// a level the program cannot solve ends the study with its failure report.
TEST(Converge, RefusedAsTheProgramRefuses) {
  struct Case {
    const char* file;
    const char* words;
    bool names_the_input;
  };
  const Case cases[] = {
      {"tests/malformed/code_four.in", "UNKNOWN CODE AT I=   2 KODE =   4 (*** JOB ABORTED ***)",
       true},
      {"tests/malformed/too_many_elements.in", "TOO MANY ELEMENTS :1601/1600 (maximum)", true},
      {"tests/malformed/coincident_boundaries.in", "the system of equations is singular", false},
      {"tests/malformed/point_hexadecimal.in", "\"0x1p3\" in line 3 is not a real number", true},
      {"tests/malformed/no_such_file.in", "cannot open the input file", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const Outcome o = converge({std::string(VELDA_SOURCE_DIR) + "/" + c.file});
    EXPECT_EQ(o.status, kExitRefused);
    EXPECT_NE(o.error.find(c.words), std::string::npos) << o.error;
    EXPECT_EQ(o.error.find(c.file) != std::string::npos, c.names_the_input) << o.error;
    EXPECT_EQ(o.out, "");
  }
}

}  // namespace
}  // namespace converge
