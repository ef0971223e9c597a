// Elements that cross or overlap are found; elements that only touch are not.
#include "plot/crossings.hpp"

#include <gtest/gtest.h>

#include "plot/examine.hpp"
#include "plot/shapes.hpp"

namespace {

using namespace plot_test;

std::vector<plot::Crossing> crossings_of(const Shape& shape) {
  return plot::examine(problem_of(shape)).crossings;
}

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
  for (const auto& c : cases) EXPECT_EQ(crossings_of(c.shape).size(), c.count) << c.what;

  const auto at_waist = crossings_of(eight).at(0);
  EXPECT_EQ(at_waist.element_a, 1);
  EXPECT_EQ(at_waist.element_b, 3);
  EXPECT_FALSE(at_waist.overlap);
  EXPECT_NEAR(at_waist.where.x, 0.5, 1e-12);
  EXPECT_NEAR(at_waist.where.y, 0.5, 1e-12);
  const auto along = crossings_of(overlapping).at(0);
  EXPECT_TRUE(along.overlap);
  EXPECT_EQ(along.element_a, 2);
  EXPECT_EQ(along.element_b, 8);
  EXPECT_NEAR(along.where.y, 0.5, 1e-12);
  for (const auto& c : crossings_of(over_axis)) {  // the top and the bottom element
    EXPECT_TRUE(c.b_mirrored && c.overlap);
    EXPECT_EQ(c.element_a, c.element_b);
  }
  // A loop that crosses itself has no sense of rotation: the crossing is
  // its only warning.
  const auto warnings = plot::examine(problem_of(eight)).warnings;
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].text.rfind("Elements cross", 0), 0u);
}

}  // namespace
