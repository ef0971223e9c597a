// velda-mesh from its command line: the region on the left whatever way the
// curves were drawn, the options, and the files it writes and never writes.
#include "tools/mesh/run.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "2D/VELDA.hpp"
#include "lib/point.hpp"
#include "tests/support/in_process.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/solved.hpp"
#include "tools/converge/polygon_input.hpp"

namespace {

using test_support::Folder;

using test_support::Outcome;

Outcome mesh(const std::vector<std::string>& args) {
  return test_support::in_process(mesh::run, args);
}

std::string path(const Folder& f, const std::string& name) { return (f.path() / name).string(); }

// The boundary points of an input text, boundary by boundary, as the
// program reads them.
std::vector<std::vector<lib::Point>> boundaries_of(const std::string& input) {
  std::vector<std::vector<lib::Point>> points;
  for (const converge::Outline& b : converge::read_polygon_input(input, "input").boundaries)
    points.push_back(b.points);
  return points;
}

double twice_area(const std::vector<lib::Point>& ring) {
  double sum = 0.0;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) sum += lib::cross(ring[i], ring[i + 1]);
  return sum;
}

// The path of a model in the data folder.
std::string model(const std::string& name) {
  return test_support::source_path("tests/tools/mesh/data/" + name);
}

// The annulus drawn backwards (data/ring.geo), as a script.
std::string ring_script() { return test_support::source_file("tests/tools/mesh/data/ring.geo"); }

constexpr const char* kOuter = "outer=-2 0.69314718056";

// velda-mesh on the annulus written to ring.geo in f, its outer circle
// given the potential ln 2, with `more` options.
Outcome ring(const Folder& f, std::vector<std::string> more = {}) {
  f.write("ring.geo", ring_script());
  more.insert(more.begin(), {path(f, "ring.geo"), "--bc", kOuter});
  return mesh(more);
}

TEST(MeshRun, RegionOnTheLeftWhateverTheDrawnDirection) {
  const Folder f;
  const Outcome o = ring(f);
  ASSERT_EQ(o.status, mesh::kExitWritten) << o.error;
  const auto rings = boundaries_of(o.out);
  ASSERT_EQ(rings.size(), 2u);
  EXPECT_GT(twice_area(rings[0]), 0.0);  // the outer circle, counter-clockwise
  EXPECT_LT(twice_area(rings[1]), 0.0);  // the hole, clockwise
}

// --set gives the script's constant: a hole of radius 1/2 halves the flux,
// 2 pi ln 2 / ln 4 = pi; the note names the parameter and the factor.
TEST(MeshRun, SetGivesTheScriptItsParameter) {
  const Folder f;
  const std::vector<std::string> set{"--set", "r_in=0.5", "--size-factor", "0.5"};
  const Outcome o = ring(f, set);
  ASSERT_EQ(o.status, mesh::kExitWritten) << o.error;
  const auto solved = test_support::solved(o.out);
  ASSERT_EQ(solved.fluxes.size(), 2u);
  EXPECT_NEAR(solved.fluxes[1], std::numbers::pi, 0.01);
  EXPECT_NEAR(solved.fluxes[0], -std::numbers::pi, 0.01);
  EXPECT_NE(o.out.find("mesh size factor 0.5,\nparameters r_in = 0.5."), std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("with Gmsh 4."), std::string::npos);
  EXPECT_EQ(o.out, ring(f, set).out) << "not the same bytes on a second run";
}

// A circle alone: inside it by default, outside it with --exterior.
TEST(MeshRun, ExteriorTurnsTheOutermostBoundariesRound) {
  EXPECT_GT(twice_area(boundaries_of(mesh({model("disc.geo")}).out).at(0)), 0.0);
  EXPECT_LT(twice_area(boundaries_of(mesh({model("disc.geo"), "--exterior"}).out).at(0)), 0.0);
}

TEST(MeshRun, OpenAsDrawnKeepsAnOpenChainInItsDrawnDirection) {
  EXPECT_EQ(mesh({model("plate.geo")}).status, mesh::kExitRefused);
  const auto plates = boundaries_of(mesh({model("plate.geo"), "--open-as-drawn"}).out);
  ASSERT_EQ(plates.size(), 1u);
  EXPECT_EQ(plates[0].front().y, 1.0);  // from (1, 1), as line 1 runs
  EXPECT_EQ(plates[0].back().x, 0.0);   // to (0, 0)
  EXPECT_EQ(plates[0].size(), 9u);
}

// Also: a parameter given to one model is not seen by the next one, which
// Gmsh would keep from one use of its library to the next.
TEST(MeshRun, PointsFileAddsInternalPointsAndNamesABadLine) {
  const Folder f;
  ring(f, {"--set", "r_in=0.5"});
  f.write("points", "# r = 1.5\n1.5 0\n\n0 -1.5\n");
  const std::vector<std::string> points{"--points", path(f, "points")};
  const auto solved = test_support::solved(ring(f, points).out);
  ASSERT_EQ(solved.potentials.size(), 2u);
  EXPECT_NEAR(solved.potentials[0], std::log(1.5), 0.005);
  EXPECT_NEAR(solved.potentials[1], std::log(1.5), 0.005);
  f.write("points", "1.5 0\n1.5\n");
  const Outcome bad = ring(f, points);
  EXPECT_EQ(bad.status, mesh::kExitRefused);
  EXPECT_NE(bad.error.find("line 2 of the points file"), std::string::npos) << bad.error;
}

// The title is the model's name unless given; more internal points than
// velda takes are refused with the count and the limit.
TEST(MeshRun, TitleAndInternalPointCapacity) {
  const Folder f;
  EXPECT_EQ(ring(f).out.rfind(" ring\n", 0), 0u);
  EXPECT_EQ(ring(f, {"--title", "A RING"}).out.rfind(" A RING\n", 0), 0u);
  std::string points;
  for (int i = 0; i <= velda::MAXINT; ++i) points += "1.5 0\n";
  f.write("points", points);
  const Outcome o = ring(f, {"--points", path(f, "points")});
  EXPECT_EQ(o.status, mesh::kExitRefused);
  EXPECT_NE(o.error.find("the model has 5001 internal points, more than velda's 5000"),
            std::string::npos)
      << o.error;
}

// The input replaces its file whole when written, and is not touched when
// the model is refused; it is never written over the model.
TEST(MeshRun, WritesTheInputWholeOrNotAtAll) {
  const Folder f;
  f.write("ring.geo", ring_script());
  f.write("ring.in", std::string(100000, 'x'));
  EXPECT_EQ(mesh({path(f, "ring.geo"), "-o", path(f, "ring.in")}).status, mesh::kExitRefused);
  EXPECT_EQ(f.read("ring.in"), std::string(100000, 'x'));
  const Outcome o = ring(f, {"-o", path(f, "ring.in")});
  EXPECT_EQ(o.status, mesh::kExitWritten) << o.error;
  EXPECT_EQ(f.read("ring.in"), ring(f).out);
  EXPECT_EQ(mesh({path(f, "ring.geo"), "-o", path(f, "ring.geo")}).status, mesh::kExitUsage);
  EXPECT_EQ(f.read("ring.geo"), ring_script());
}

}  // namespace
