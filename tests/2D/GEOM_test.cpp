#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "2D/VELDA.hpp"
#include "tests/2D/problems.hpp"

namespace velda::test {
namespace {

// Checks element J against its expected start and end point.
void expect_element(const Velda& v, int J, Point a, Point b) {
  SCOPED_TRACE(J);
  EXPECT_EQ(v.XP(J), a.x);
  EXPECT_EQ(v.YP(J), a.y);
  EXPECT_EQ(v.XE(J), b.x);
  EXPECT_EQ(v.YE(J), b.y);
}

TEST(GEOM, TwoBoundariesNumberElementsOnAndDropEachLastPoint) {
  const std::vector<Point> P = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0},
                                {5, 5}, {6, 5}, {6, 7}, {5, 8}};
  auto v = std::make_unique<Velda>();
  add_boundary(*v, {P.begin(), P.begin() + 5});
  add_boundary(*v, {P.begin() + 5, P.end()});
  ASSERT_EQ(v->NELEM, 7);
  GEOM(*v);
  const int start[] = {0, 1, 2, 3, 5, 6, 7};
  for (int J = 1; J <= 7; ++J) expect_element(*v, J, P[start[J - 1]], P[start[J - 1] + 1]);
}

// Open boundaries: nothing joins a last point back to a first one, and a
// single point gives no element and leaves the numbering alone.
TEST(GEOM, OpenAndSinglePointBoundaries) {
  auto v = std::make_unique<Velda>();
  add_boundary(*v, {{0, 0}, {2, 0}, {2, 1}});
  add_boundary(*v, {{9, 9}});
  add_boundary(*v, {{3, 0}, {3, 4}});
  ASSERT_EQ(v->NELEM, 3);
  GEOM(*v);
  expect_element(*v, 2, {2, 0}, {2, 1});
  expect_element(*v, 3, {3, 0}, {3, 4});
  EXPECT_EQ(v->XN(3), 3.0);
  EXPECT_EQ(v->YN(3), 2.0);
}

// A 3-4-5 triangle: the lengths and tangents are exact ratios.
TEST(GEOM, NodesLengthsAndTangentsAndTheirReversal) {
  const std::vector<Point> triangle = {{0, 0}, {3, 0}, {3, 4}, {0, 0}};
  auto v = std::make_unique<Velda>();
  add_boundary(*v, triangle);
  add_boundary(*v, {triangle.rbegin(), triangle.rend()});
  GEOM(*v);
  const double length[] = {3, 4, 5};
  const double tx[] = {1, 0, -0.6}, ty[] = {0, 1, -0.8};
  for (int J = 1; J <= 3; ++J) {
    SCOPED_TRACE(J);
    const int R = 7 - J;  // the same element travelled backwards
    EXPECT_DOUBLE_EQ(v->ELEN(J), length[J - 1]);
    EXPECT_DOUBLE_EQ(v->TANX(J), tx[J - 1]);
    EXPECT_DOUBLE_EQ(v->TANY(J), ty[J - 1]);
    EXPECT_EQ(v->XN(J), (triangle[J - 1].x + triangle[J].x) / 2);
    EXPECT_EQ(v->YN(J), (triangle[J - 1].y + triangle[J].y) / 2);
    EXPECT_EQ(v->ELEN(R), v->ELEN(J));
    EXPECT_EQ(v->TANX(R), -v->TANX(J));
    EXPECT_EQ(v->TANY(R), -v->TANY(J));
  }
}

}  // namespace
}  // namespace velda::test
