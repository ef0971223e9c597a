// Internal points are placed against the region the boundaries enclose.
#include "plot/region.hpp"

#include <gtest/gtest.h>

#include "plot/examine.hpp"
#include "plot/shapes.hpp"

namespace {

using plot::Whereabouts;
using plot_test::annulus;
using plot_test::circle;
using plot_test::problem_of;
using plot_test::Shape;

std::vector<Whereabouts> whereabouts_of(const Shape& shape) {
  return plot::examine(problem_of(shape)).whereabouts;
}

TEST(Region, AnnulusHoldsItsRingButNotItsHoleNorTheOutside) {
  Shape s = annulus();
  s.internal = {{1.5, 0.0}, {0.0, 0.2}, {3.0, 3.0}, {-1.9, 0.0}};
  EXPECT_EQ(whereabouts_of(s), (std::vector{Whereabouts::INSIDE, Whereabouts::OUTSIDE,
                                            Whereabouts::OUTSIDE, Whereabouts::INSIDE}));
}

TEST(Region, PointOnAnElementIsOnTheBoundary) {
  Shape s;
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}};
  s.internal = {{0.5, 0.0}, {1.0, 1.0}, {0.5, 0.5}};
  EXPECT_EQ(whereabouts_of(s),
            (std::vector{Whereabouts::ON_BOUNDARY, Whereabouts::ON_BOUNDARY, Whereabouts::INSIDE}));
}

// A body run clockwise: the region is the unbounded one outside it.
TEST(Region, ClockwiseBodyHasTheRegionOutsideIt) {
  Shape s;
  s.boundaries = {circle(1.0, 12, false)};
  s.internal = {{0.0, 0.0}, {5.0, 0.0}};
  EXPECT_EQ(whereabouts_of(s), (std::vector{Whereabouts::OUTSIDE, Whereabouts::INSIDE}));
}

TEST(Region, MirrorImageBelongsToTheRegion) {
  Shape s;
  s.ISYMX = -1;
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
  s.internal = {{-0.5, 0.5}, {-1.5, 0.5}};
  EXPECT_EQ(whereabouts_of(s), (std::vector{Whereabouts::INSIDE, Whereabouts::OUTSIDE}));
}

TEST(Region, WarningsListThePointsByNumber) {
  Shape s = annulus();
  s.internal = {{1.5, 0.0}, {0.0, 0.2}, {3.0, 3.0}, {2.0, 0.0}};
  const auto warnings = plot::examine(problem_of(s)).warnings;
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0].text,
            "2 internal points lie outside the region: 2 at (0, 0.2); 3 at (3, 3). The values "
            "computed there do not belong to the problem.");
  EXPECT_EQ(warnings[1].text.rfind("Internal point 4 at (2, 0) lies on the boundary.", 0), 0u);
}

}  // namespace
