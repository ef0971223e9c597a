// Internal points are placed against the region the boundaries enclose.
#include "plot/region.hpp"

#include <gtest/gtest.h>

#include "plot/examine.hpp"
#include "plot/shapes.hpp"

namespace {

using namespace plot_test;
using enum plot::Whereabouts;

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
  const std::pair<Shape, std::vector<plot::Whereabouts>> cases[] = {
      {ring, {INSIDE, OUTSIDE, OUTSIDE, INSIDE}},
      {square, {ON_BOUNDARY, ON_BOUNDARY, INSIDE}},
      {body, {OUTSIDE, INSIDE}},
      {half, {INSIDE, OUTSIDE}},
  };
  for (const auto& [shape, expected] : cases)
    EXPECT_EQ(plot::examine(problem_of(shape)).whereabouts, expected) << input_text(shape);
}

}  // namespace
