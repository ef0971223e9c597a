#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "2D/VELDA.hpp"
#include "tests/2D/problems.hpp"

namespace velda::test {
namespace {

// A closed square, a single point, which gives no element and leaves the
// numbering alone, and an open polyline, whose last point is not joined back
// to its first: elements are numbered on across boundaries.
TEST(GEOM, ElementsRunOnAcrossClosedSinglePointAndOpenBoundaries) {
  const std::vector<Point> P = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0},
                                {5, 5}, {6, 5}, {6, 7}, {5, 8}};
  const auto v = geometry({{P.begin(), P.begin() + 5}, {{9, 9}}, {P.begin() + 5, P.end()}});
  ASSERT_EQ(v->NELEM, 7);
  const int start[] = {0, 1, 2, 3, 5, 6, 7};
  for (int J = 1; J <= 7; ++J) {
    SCOPED_TRACE(J);
    const Point a = P[start[J - 1]], b = P[start[J - 1] + 1];
    EXPECT_EQ(v->XP(J), a.x);
    EXPECT_EQ(v->YP(J), a.y);
    EXPECT_EQ(v->XE(J), b.x);
    EXPECT_EQ(v->YE(J), b.y);
  }
}

// A 3-4-5 triangle: the lengths and tangents are exact ratios.
TEST(GEOM, NodesLengthsAndTangentsAndTheirReversal) {
  const std::vector<Point> triangle = {{0, 0}, {3, 0}, {3, 4}, {0, 0}};
  const auto v = geometry({triangle, {triangle.rbegin(), triangle.rend()}});
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
