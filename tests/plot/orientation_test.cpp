// The region-on-the-left rule: which boundaries close into loops, and which
// loops run the wrong way round for their nesting.
#include "plot/orientation.hpp"

#include <gtest/gtest.h>

#include <numbers>

#include "plot/examine.hpp"
#include "plot/shapes.hpp"

namespace {

using plot_test::annulus;
using plot_test::arc;
using plot_test::circle;
using plot_test::problem_of;
using plot_test::reversed;
using plot_test::Shape;
constexpr double pi = std::numbers::pi;

std::vector<plot::Warning> orientation_of(const Shape& shape) {
  const plot::Problem problem = problem_of(shape);
  const auto pieces = plot::pieces_of(problem);
  const double tolerance = plot::kSamePlace * plot::bounds_of(problem, pieces).extent();
  return plot::orientation_warnings(pieces, plot::chain_pieces(pieces, tolerance), {});
}

TEST(Orientation, CorrectAnnulusGivesNoWarning) { EXPECT_TRUE(orientation_of(annulus()).empty()); }

TEST(Orientation, ReversedHoleIsReported) {
  const auto warnings = orientation_of(annulus(true));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(
      warnings[0].text.rfind("Boundary 2 lies inside boundary 1 and runs counter-clockwise", 0), 0u)
      << warnings[0].text;
  EXPECT_EQ(warnings[0].outline.size(), 8u);  // the hole is highlighted
}

TEST(Orientation, ClockwiseOuterBoundaryIsReported) {
  Shape s = annulus();
  s.boundaries = {reversed(s.boundaries[0]), s.boundaries[1]};
  const auto warnings = orientation_of(s);
  ASSERT_EQ(warnings.size(), 1u);  // the hole still runs as a hole must
  EXPECT_NE(warnings[0].text.find("Boundary 1 runs clockwise"), std::string::npos);
}

TEST(Orientation, IslandInAHoleRunsCounterClockwise) {
  Shape s = annulus();
  s.boundaries.push_back(circle(0.5, 6, true));
  s.codes.insert(s.codes.end(), 6, "0 2.0");
  EXPECT_TRUE(orientation_of(s).empty());
  s.boundaries.back() = circle(0.5, 6, false);
  ASSERT_EQ(orientation_of(s).size(), 1u);
  EXPECT_NE(orientation_of(s)[0].text.find("an island in a hole"), std::string::npos);
}

// The outer boundary given as two open boundaries, one condition each.
TEST(Orientation, BoundariesJoinedEndToStartCloseOneLoop) {
  Shape s;
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1}, {0, 0}}};
  EXPECT_TRUE(orientation_of(s).empty());
  s.boundaries = {reversed(s.boundaries[1]), reversed(s.boundaries[0])};
  const auto warnings = orientation_of(s);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].text.find("Boundaries 1 and 2 run clockwise"), std::string::npos)
      << warnings[0].text;
}

TEST(Orientation, HalfAnnulusIsClosedByItsMirrorImage) {
  Shape s;
  s.ISYMX = 1;
  s.boundaries = {arc(2.0, 8, -pi / 2, pi), arc(1.0, 4, pi / 2, -pi)};
  for (auto& line : s.boundaries) line.front().x = line.back().x = 0.0;  // on the axis
  EXPECT_TRUE(orientation_of(s).empty());
  s.boundaries[1] = reversed(s.boundaries[1]);
  const auto warnings = orientation_of(s);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].text.find("Boundary 2 with its mirror image lies inside"),
            std::string::npos)
      << warnings[0].text;
}

TEST(Orientation, OpenBoundaryIsReportedWithItsEnds) {
  Shape s;
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}}};
  const auto warnings = orientation_of(s);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].text.find("Boundary 1 does not close: from (0, 0) to (1, 1)"),
            std::string::npos);
  EXPECT_EQ(warnings[0].marks.size(), 2u);
}

// A figure of eight has no sense of rotation; its crossing is the fault.
TEST(Orientation, LoopThatCrossesItselfIsLeftToTheCrossingCheck) {
  Shape s;
  s.boundaries = {{{0, 0}, {1, 1}, {1, 0}, {0, 1}, {0, 0}}};
  const plot::Examination e = plot::examine(problem_of(s));
  ASSERT_EQ(e.warnings.size(), 1u);
  EXPECT_EQ(e.warnings[0].text.rfind("Elements cross", 0), 0u);
}

TEST(Loops, SignedAreaAndWindingFollowTheSenseOfRotation) {
  const std::vector<plot::Point> square{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  EXPECT_DOUBLE_EQ(plot::twice_signed_area(square), 8.0);
  EXPECT_DOUBLE_EQ(plot::twice_signed_area({square.rbegin(), square.rend()}), -8.0);
  EXPECT_EQ(plot::winding_number({1, 1}, square), 1);
  EXPECT_EQ(plot::winding_number({1, 1}, {square.rbegin(), square.rend()}), -1);
  EXPECT_EQ(plot::winding_number({3, 1}, square), 0);
  EXPECT_EQ(plot::winding_number({1, 3}, square), 0);
}

}  // namespace
