#include "2D/INFL2D.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

#include "2D/VELDA.hpp"
#include "2D/influence_maths.hpp"
#include "2D/influence_operands.hpp"
#include "fixtures/circle.hpp"
#include "tests/support/problems.hpp"

namespace test_support {
namespace {

using namespace velda;

constexpr double PI = std::numbers::pi;

// One element from a to b, and its G and H at (x, y).
struct OneElement {
  std::unique_ptr<Velda> v;
  OneElement(Point a, Point b) : v(geometry({{a, b}})) {}
  void at(double x, double y, double& G, double& H) const { INFL2D(*v, x, y, 1, G, H); }
};

// On the element's line, at t along it from its start: H = 0 and
// G = (1/2pi) ∫ ln|t - s| ds over s = 0..L = (F(t) - F(t - L))/2pi, with
// F(x) = x ln|x| - x and F(0) = 0. At the own node, t = L/2, that is the
// weakly singular (L/2pi)(ln(L/2) - 1); at an end point (L/2pi)(ln L - 1).
TEST(INFL2D, PointsOnTheElementsLineIncludingItsNodeAndEnds) {
  auto F = [](double x) { return x == 0 ? 0 : x * std::log(std::abs(x)) - x; };
  auto expect_on_line = [&](const OneElement& e, double x, double y, double t) {
    const double L = e.v->ELEN(1);
    double G, H;
    e.at(x, y, G, H);
    EXPECT_EQ(H, 0.0) << t;
    EXPECT_NEAR(G, (F(t) - F(t - L)) / (2 * PI), t < 0 || t > L ? 1e-14 : 1e-15) << t;
  };
  const std::pair<Point, Point> axial[] = {
      {{0, 0}, {2, 0}}, {{0, 0}, {1, 0}}, {{1, 2}, {1, 5}}, {{4, -1}, {-0.5, -1}}};
  for (const auto& [a, b] : axial) {
    SCOPED_TRACE(testing::Message() << "from (" << a.x << ", " << a.y << ")");
    const OneElement e(a, b);
    const double L = e.v->ELEN(1), ux = (b.x - a.x) / L, uy = (b.y - a.y) / L;
    for (double t : {-2.0, -0.25, 0.0, L / 2, L, L + 0.5, 40.0})
      expect_on_line(e, a.x + ux * t, a.y + uy * t, t);
  }
  // Off the axes only the start point and the node are exact in the element's frame.
  const OneElement tilted({0.3, -1.7}, {2.2, 0.4});
  expect_on_line(tilted, 0.3, -1.7, 0);
  expect_on_line(tilted, tilted.v->XN(1), tilted.v->YN(1), tilted.v->ELEN(1) / 2);
}

// INFL2D as its formula reads, one field point and one element at a time,
// with the one-operand functions of the chosen path.
void one_at_a_time(const Velda& v, double X, double Y, int J, double& G, double& H) {
  const InfluenceMaths& maths = influence_maths();
  const double pi = 4.0 * std::atan(1.0);
  const InfluenceOperands o = influence_operands(v, X, Y, J);
  const bool own_node = X == v.XN(J) && Y == v.YN(J);
  const double theta = own_node ? 0.0 : maths.atan2(o.y, o.x);
  H = (0.5 / pi) * theta;
  auto s_ln = [&](double s, double r2) { return r2 == 0.0 ? 0.0 : s * maths.log(r2); };
  const double T = 2.0 * (o.d * theta + v.ELEN(J)) - s_ln(o.sB, o.r2B);
  G = (-0.25 / pi) * (s_ln(o.sA, o.r2A) + T);
}

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// On every path the processor runs, the batches, with the maths on whole
// vectors, give the bits of the one-operand functions (which on the FMA paths
// are the same functions), and raise no division-by-zero, overflow or invalid
// flag: on own nodes (their mirror images on an axis too, -0 being 0), on end
// points where a logarithm is skipped, on the line of an element, near and
// far, whatever the batch's length and first element, and at scales where
// squared distances are subnormal, zero or past the vector paths' range.
TEST(INFL2D, BatchesGiveTheBitsOfOneCallAtATimeOnEveryPath) {
  for (double scale : {1.0, 1e-160, 1e150}) {
    auto at = [scale](std::vector<Point> points) {
      for (Point& p : points) p = {p.x * scale, p.y * scale};
      return points;
    };
    // The square's nodes lie on both axes. The last line starts at the
    // corner of its batch's box, where a point 1e-170 outside the box has
    // a squared distance of 0.
    const auto v =
        geometry({at(polyline({{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}}, 1)),
                  at(fixtures::circle(0.3, -0.2, 0.4, 23, true)),
                  at(polyline({{-3, 2}, {3, 2.5}}, 40)), at(polyline({{0, 0}, {0.5, 0.25}}, 2))});
    std::vector<Point> points =
        at({{5, 2.5}, {-4, 2 - 0.5 / 6}, {0.31, -0.19}, {7, -9}, {-1e-170, -1e-170}});
    for (int J = 1; J <= v->NELEM; ++J)
      for (double kx : {-1.0, 1.0})
        for (double ky : {-1.0, 1.0}) {
          points.push_back({kx * v->XN(J), ky * v->YN(J)});
          points.push_back({kx * v->XP(J), ky * v->YP(J)});
          points.push_back({kx * v->XE(J), ky * v->YE(J)});
        }
    for (const InfluenceMaths* path : influence_maths_paths()) {
      if (!processor_runs(*path)) continue;
      SCOPED_TRACE(testing::Message() << path->name << " path, scale " << scale);
      choose_influence_maths(path->name);
      int raised = 0;
      for (int length : {kInfluenceBatch, 1, 7, 33})
        for (const Point& p : points)
          for (int first = 1; first <= v->NELEM; first += length) {
            const int count = std::min(length, v->NELEM - first + 1);
            double G[kInfluenceBatch], H[kInfluenceBatch];
            std::feclearexcept(FE_ALL_EXCEPT);
            influence_batch(*v, p.x, p.y, first, count, G, H);
            raised |= std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
            for (int e = 0; e < count; ++e) {
              double G1, H1;
              one_at_a_time(*v, p.x, p.y, first + e, G1, H1);
              ASSERT_TRUE(same_bits(G[e], G1) && same_bits(H[e], H1))
                  << "element " << first + e << " at (" << p.x << ", " << p.y << "): " << G[e]
                  << " " << H[e] << " vs " << G1 << " " << H1;
            }
          }
      EXPECT_EQ(raised, 0);
    }
  }
  choose_influence_maths(nullptr);
}

}  // namespace
}  // namespace test_support
