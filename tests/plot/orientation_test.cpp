// The region-on-the-left rule: which boundaries close into loops, and which
// loops run the wrong way round for their nesting.
#include "plot/orientation.hpp"

#include <gtest/gtest.h>

#include <numbers>

#include "plot/examine.hpp"
#include "plot/shapes.hpp"

namespace {

using namespace plot_test;
constexpr double pi = std::numbers::pi;

std::vector<plot::Warning> orientation_of(const Shape& shape) {
  const plot::Problem problem = problem_of(shape);
  const auto pieces = plot::pieces_of(problem);
  const double tolerance = plot::kSamePlace * plot::bounds_of(problem, pieces).extent();
  return plot::orientation_warnings(pieces, plot::chain_pieces(pieces, tolerance), {});
}

// Each shape right, then with one boundary turned round.
TEST(Orientation, LoopsRunningAgainstTheirNestingAreReported) {
  Shape outer_clockwise = annulus(), island = annulus(), joined, half;
  outer_clockwise.boundaries[0] = reversed(outer_clockwise.boundaries[0]);
  island.boundaries.push_back(circle(0.5, 6, true));  // in the hole
  island.codes.insert(island.codes.end(), 6, "0 2.0");
  Shape island_clockwise = island;
  island_clockwise.boundaries.back() = circle(0.5, 6, false);
  joined.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1}, {0, 0}}};  // one loop
  Shape joined_clockwise = joined;
  joined_clockwise.boundaries = {reversed(joined.boundaries[1]), reversed(joined.boundaries[0])};
  half.ISYMX = 1;  // a half annulus, closed by its mirror image
  half.boundaries = {arc(2.0, 8, -pi / 2, pi), arc(1.0, 4, pi / 2, -pi)};
  for (auto& line : half.boundaries) line.front().x = line.back().x = 0.0;  // on the axis
  Shape half_reversed = half;
  half_reversed.boundaries[1] = reversed(half.boundaries[1]);
  const struct {
    const char* what;
    Shape shape;
    const char* warning;  // a part of its one warning, or null for none
  } cases[] = {
      {"annulus", annulus(), nullptr},
      {"reversed hole", annulus(true),
       "Boundary 2 lies inside boundary 1 and runs counter-clockwise"},
      {"clockwise outer", outer_clockwise, "Boundary 1 runs clockwise"},
      {"island", island, nullptr},
      {"clockwise island", island_clockwise, "an island in a hole"},
      {"joined", joined, nullptr},
      {"joined clockwise", joined_clockwise, "Boundaries 1 and 2 run clockwise"},
      {"half", half, nullptr},
      {"half, reversed hole", half_reversed, "Boundary 2 with its mirror image lies inside"},
  };
  for (const auto& c : cases) {
    const auto warnings = orientation_of(c.shape);
    ASSERT_EQ(warnings.size(), c.warning ? 1u : 0u) << c.what;
    if (c.warning) {
      EXPECT_NE(warnings[0].text.find(c.warning), std::string::npos) << warnings[0].text;
    }
  }
  EXPECT_EQ(orientation_of(annulus(true))[0].outline.size(), 8u);  // the hole is highlighted
}

TEST(Orientation, OpenBoundaryIsReportedWithItsEnds) {
  Shape s;
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}}};
  const auto warnings = orientation_of(s);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].text.rfind("Boundary 1 does not close: from (0, 0) to (1, 1)", 0), 0u);
  EXPECT_EQ(warnings[0].marks.size(), 2u);
}

}  // namespace
