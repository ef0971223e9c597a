// Elements that cross or overlap are found; elements that only touch are not.
#include "plot/crossings.hpp"

#include <gtest/gtest.h>

#include "plot/examine.hpp"
#include "plot/shapes.hpp"

namespace {

using plot_test::annulus;
using plot_test::circle;
using plot_test::problem_of;
using plot_test::Shape;

std::vector<plot::Crossing> crossings_of(const Shape& shape) {
  return plot::examine(problem_of(shape)).crossings;
}

TEST(Crossings, FigureOfEightCrossesOnceAtItsWaist) {
  Shape s;
  s.boundaries = {{{0, 0}, {1, 1}, {1, 0}, {0, 1}, {0, 0}}};
  const auto found = crossings_of(s);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].element_a, 1);
  EXPECT_EQ(found[0].element_b, 3);
  EXPECT_FALSE(found[0].overlap);
  EXPECT_NEAR(found[0].where.x, 0.5, 1e-12);
  EXPECT_NEAR(found[0].where.y, 0.5, 1e-12);
}

TEST(Crossings, HolePokingThroughTheOuterBoundaryCrossesItTwice) {
  Shape s = annulus();
  s.boundaries[1] = {{1.5, -0.5}, {1.5, 0.5}, {2.5, 0.5}, {2.5, -0.5}, {1.5, -0.5}};
  s.codes.resize(20, "0 1.0");
  const auto found = crossings_of(s);
  ASSERT_EQ(found.size(), 2u);
  for (const auto& c : found) EXPECT_EQ(problem_of(s).elements[c.element_b - 1].boundary, 2);
}

TEST(Crossings, ElementsLyingAlongEachOtherOverlap) {
  Shape s;  // two unit squares on top of each other's right side
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
                  {{1, 0.25}, {2, 0.25}, {2, 0.75}, {1, 0.75}, {1, 0.25}}};
  const auto found = crossings_of(s);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(found[0].overlap);
  EXPECT_EQ(found[0].element_a, 2);
  EXPECT_EQ(found[0].element_b, 8);
  EXPECT_NEAR(found[0].where.y, 0.5, 1e-12);
}

TEST(Crossings, TouchingElementsDoNotCross) {
  Shape corner;  // two boundaries meeting at two corners
  corner.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1}, {0, 0}}};
  EXPECT_TRUE(crossings_of(corner).empty());
  EXPECT_TRUE(crossings_of(annulus()).empty());
  Shape hole_at_a_vertex;  // a hole whose corner touches the outer boundary
  hole_at_a_vertex.boundaries = {{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}},
                                 {{2, 0}, {1, 1}, {3, 1}, {2, 0}}};
  EXPECT_TRUE(crossings_of(hole_at_a_vertex).empty());
}

TEST(Crossings, HalfReachingOverTheAxisCrossesItsMirrorImage) {
  Shape s;
  s.ISYMX = 1;
  s.boundaries = {{{-0.5, -1}, {1, -1}, {1, 1}, {-0.5, 1}}};
  const auto found = crossings_of(s);
  ASSERT_EQ(found.size(), 2u);  // the top and the bottom element with their images
  for (const auto& c : found) {
    EXPECT_TRUE(c.b_mirrored);
    EXPECT_TRUE(c.overlap);
    EXPECT_EQ(c.element_a, c.element_b);
  }
}

TEST(Crossings, WarningNamesTheElementsAndCountsTheRest) {
  std::vector<plot::Crossing> many(6, {3, 9, false, false, {0.5, 0.25}});
  many[1].b_mirrored = true;
  const auto warnings = plot::crossing_warnings(many);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].text,
            "Elements cross each other in 6 places: elements 3 and 9 at (0.5, 0.25); 3 and the "
            "mirror image of 9 at (0.5, 0.25); 3 and 9 at (0.5, 0.25); 3 and 9 at (0.5, 0.25) "
            "(and 2 more). Boundaries must not cross; each element needs the region on one side "
            "only.");
  EXPECT_EQ(warnings[0].marks.size(), 6u);
  EXPECT_TRUE(plot::crossing_warnings({}).empty());
}

}  // namespace
