// The checks of a problem: elements that cross, loops that run against their
// nesting or do not close, internal points outside the region.
#include "geometry/checks.hpp"

#include <gtest/gtest.h>

#include <numbers>

#include "tests/support/plot_shapes.hpp"

namespace {

using namespace test_support;
using enum geometry::Whereabouts;
constexpr double pi = std::numbers::pi;

geometry::Examination examined(const Shape& shape) { return geometry::examine(problem_of(shape)); }

TEST(Crossings, AreFoundWhereElementsCrossOrOverlapAndNotWhereTheyOnlyTouch) {
  Shape eight, poking = annulus(), overlapping, corner, vertex, over_axis;
  eight.boundaries = {{{0, 0}, {1, 1}, {1, 0}, {0, 1}, {0, 0}}};
  poking.boundaries[1] = {{1.5, -0.5}, {1.5, 0.5}, {2.5, 0.5}, {2.5, -0.5}, {1.5, -0.5}};
  poking.codes.resize(20, "0 1.0");
  // Two squares, the right side of one along the left side of the other.
  overlapping.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
                            {{1, 0.25}, {2, 0.25}, {2, 0.75}, {1, 0.75}, {1, 0.25}}};
  corner.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1}, {0, 0}}};
  vertex.boundaries = {{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}}, {{2, 0}, {1, 1}, {3, 1}, {2, 0}}};
  over_axis.ISYMX = 1;  // a half reaching over its axis, onto its image
  over_axis.boundaries = {{{-0.5, -1}, {1, -1}, {1, 1}, {-0.5, 1}}};
  const struct {
    const char* what;
    Shape shape;
    std::size_t count;
  } cases[] = {{"figure of eight", eight, 1},
               {"hole poking out", poking, 2},
               {"overlapping sides", overlapping, 1},
               {"corners shared", corner, 0},
               {"annulus", annulus(), 0},
               {"hole touching at a vertex", vertex, 0},
               {"over the axis", over_axis, 2}};
  for (const auto& c : cases) EXPECT_EQ(examined(c.shape).crossings.size(), c.count) << c.what;

  const auto at_waist = examined(eight).crossings.at(0);
  EXPECT_EQ(at_waist.element_a, 1);
  EXPECT_EQ(at_waist.element_b, 3);
  EXPECT_FALSE(at_waist.overlap);
  EXPECT_NEAR(at_waist.where.x, 0.5, 1e-12);
  EXPECT_NEAR(at_waist.where.y, 0.5, 1e-12);
  EXPECT_TRUE(examined(overlapping).crossings.at(0).overlap);
  for (const auto& c : examined(over_axis).crossings) {  // the top and the bottom element
    EXPECT_TRUE(c.b_mirrored && c.overlap);
    EXPECT_EQ(c.element_a, c.element_b);
  }
  // A loop that crosses itself has no sense of rotation: the crossing is
  // its only warning.
  const auto warnings = examined(eight).warnings;
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].text.rfind("Elements cross", 0), 0u);
}

// Each shape right, then with one boundary turned round; and a boundary
// that does not close.
TEST(Orientation, LoopsRunningAgainstTheirNestingAndOpenBoundariesAreReported) {
  Shape outer_clockwise = annulus(), island = annulus(), joined, half, open;
  outer_clockwise.boundaries[0] = reversed(outer_clockwise.boundaries[0]);
  outer_clockwise.internal.clear();  // now outside the region: a warning of their own
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
  open.boundaries = {{{0, 0}, {1, 0}, {1, 1}}};
  const struct {
    const char* what;
    Shape shape;
    const char* warning;  // how its one warning starts, or null for none
  } cases[] = {
      {"annulus", annulus(), nullptr},
      {"reversed hole", annulus(true),
       "Boundary 2 lies inside boundary 1 and runs counter-clockwise"},
      {"clockwise outer", outer_clockwise, "Boundary 1 runs clockwise"},
      {"island", island, nullptr},
      {"clockwise island", island_clockwise,
       "Boundary 3 lies inside boundary 2 and runs clockwise: an island in a hole"},
      {"joined", joined, nullptr},
      {"joined clockwise", joined_clockwise, "Boundaries 1 and 2 run clockwise"},
      {"half", half, nullptr},
      {"half, reversed hole", half_reversed, "Boundary 2 with its mirror image lies inside"},
      {"open", open, "Boundary 1 does not close: from (0, 0) to (1, 1)"},
  };
  for (const auto& c : cases) {
    const auto warnings = examined(c.shape).warnings;
    ASSERT_EQ(warnings.size(), c.warning ? 1u : 0u) << c.what;
    if (c.warning) {
      EXPECT_EQ(warnings[0].text.rfind(c.warning, 0), 0u) << warnings[0].text;
    }
  }
  EXPECT_EQ(examined(annulus(true)).warnings[0].outline.size(), 8u);  // the hole is highlighted
  EXPECT_EQ(examined(open).warnings[0].marks.size(), 2u);             // its two ends
}

TEST(Region, InternalPointsAreInsideOutsideOrOnTheBoundary) {
  Shape ring = annulus(), square, body, half;
  ring.internal = {{1.5, 0.0}, {0.0, 0.2}, {3.0, 3.0}, {-1.9, 0.0}};
  square.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}};
  square.internal = {{0.5, 0.0}, {1.0, 1.0}, {0.5, 0.5}};
  body.boundaries = {circle(1.0, 12, false)};  // clockwise: the region is outside it
  body.internal = {{0.0, 0.0}, {5.0, 0.0}};
  half.ISYMX = -1;  // the mirror image belongs to the region
  half.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
  half.internal = {{-0.5, 0.5}, {-1.5, 0.5}};
  const std::pair<Shape, std::vector<geometry::Whereabouts>> cases[] = {
      {ring, {INSIDE, OUTSIDE, OUTSIDE, INSIDE}},
      {square, {ON_BOUNDARY, ON_BOUNDARY, INSIDE}},
      {body, {OUTSIDE, INSIDE}},
      {half, {INSIDE, OUTSIDE}},
  };
  for (const auto& [shape, expected] : cases)
    EXPECT_EQ(examined(shape).whereabouts, expected) << input_text(shape);
}

}  // namespace
