#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "2D/VELDA.hpp"
#include "tests/2D/problems.hpp"

namespace velda::test {
namespace {

constexpr double PI = std::numbers::pi;

// Sets the internal points.
void place(Velda& v, const std::vector<Point>& points) {
  v.NINTP = static_cast<int>(points.size());
  for (int i = 1; i <= v.NINTP; ++i) {
    v.XINT(i) = points[i - 1].x;
    v.YINT(i) = points[i - 1].y;
  }
}

TEST(INTEMPC, ClosedBoundaryAtConstantPotentialHasNoField) {
  constexpr double c = 2.5;
  auto v = std::make_unique<Velda>();
  add_boundary(*v, polyline({{0, 0}, {4, -1}, {5, 2}, {2, 1}, {1, 3}, {0, 0}}, 4));
  GEOM(*v);
  prescribe(*v, 1, v->NELEM, 0, [](double, double) { return c; });
  ASSERT_EQ(solve(*v), 0);
  for (int J = 1; J <= v->NELEM; ++J) EXPECT_NEAR(v->DPOTB(J), 0.0, 1e-12) << J;
  place(*v, {{2, 0.5}, {1.2, 2.5}, {4.5, 1.5}, {0.3, 0.2}});
  INTEMPC(*v);
  for (int i = 1; i <= v->NINTP; ++i) {
    EXPECT_NEAR(v->POTI(i), c, 1e-12) << i;
    EXPECT_NEAR(v->GRDX(i), 0.0, 1e-8) << i;
    EXPECT_NEAR(v->GRDY(i), 0.0, 1e-8) << i;
  }
}

// On a node the sum lacks the free term: the boundary equation there gives
// f u with f = 1/2, or (1 + EPS)/2 on an interface.
TEST(POTENT, OnANodeGivesTheNodesShareOfItsPotential) {
  auto v = std::make_unique<Velda>();
  add_boundary(*v, rectangle(0, 0, 2, 1, 4));
  GEOM(*v);
  auto u = [](double x, double y) { return x * x - y * y + 0.5; };
  prescribe(*v, 1, 4, 1, [](double, double y) { return 2 * y; });  // -u_y on y = 0
  prescribe(*v, 5, 8, 0, u);
  prescribe(*v, 9, 12, 2, [&](double x, double y) { return u(x, y) + 0.5 * -2 * y; });
  for (int J = 9; J <= 12; ++J) v->BCVAL(J) = 0.5;  // V = u + Z u_y on y = 1
  prescribe(*v, 13, 16, 0, u);
  ASSERT_EQ(solve(*v), 0);
  auto expect_share = [](const Velda& v, int J, double f) {
    double U;
    POTENT(v, v.XN(J), v.YN(J), U);
    EXPECT_NEAR(U, f * v.POTB(J), 1e-12) << "node " << J;
  };
  for (int J = 1; J <= v->NELEM; ++J) expect_share(*v, J, 0.5);

  constexpr double EPS = 3;
  auto cylinder = std::make_unique<Velda>();
  dielectric_cylinder(*cylinder, EPS);
  ASSERT_EQ(solve(*cylinder), 0);
  for (int J = 25; J <= 56; ++J) expect_share(*cylinder, J, (1 + EPS) / 2);
}

// u = 1 + 2 ln r between the circles r = 1 (a hole, clockwise) and r = 2,
// with the exact potential at the nodes.
double u(double x, double y) { return 1 + 2 * std::log(std::hypot(x, y)); }

struct Errors {
  double potential, gradient, flux;
};

// The largest errors, over the internal points, of potential and gradient
// (u_x, u_y = 2 (x, y)/r^2), and the error of the flux out through the outer
// circle, sum ELEN q = 2 pi/ln 2 times the rise of u from hole to circle.
Errors annulus_errors(int n) {
  auto v = std::make_unique<Velda>();
  add_boundary(*v, circle(0, 0, 2, n, false));
  add_boundary(*v, circle(0, 0, 1, n, true));
  GEOM(*v);
  prescribe(*v, 1, 2 * n, 0, u);
  place(*v, {{1.5, 0}, {0, -1.2}, {-1.3, 1.1}, {1.2, 1.0}, {-0.5, -1.7}});
  EXPECT_EQ(solve(*v), 0);
  INTEMPC(*v);
  Errors e{0, 0, 0};
  for (int i = 1; i <= v->NINTP; ++i) {
    const double x = v->XINT(i), y = v->YINT(i), r2 = x * x + y * y;
    e.potential = std::max(e.potential, std::abs(v->POTI(i) - u(x, y)));
    e.gradient = std::max(
        {e.gradient, std::abs(v->GRDX(i) - 2 * x / r2), std::abs(v->GRDY(i) - 2 * y / r2)});
  }
  double flux = 0;
  for (int J = 1; J <= n; ++J) flux += v->ELEN(J) * v->DPOTB(J);
  e.flux = std::abs(flux - 2 * PI / std::log(2.0) * (u(2, 0) - u(1, 0)));
  return e;
}

// Potential and flux converge as h^2; the forward difference of the gradient
// soon stops at its own error, about delta |u_xx|/2.
TEST(INTEMPC, AnnulusConvergesToTheLogarithm) {
  Errors last{1, 1, 1};
  for (int n : {16, 32, 64}) {
    SCOPED_TRACE(n);
    const Errors e = annulus_errors(n);
    EXPECT_LT(e.potential, last.potential / 3);
    EXPECT_LT(e.gradient, last.gradient / 2);
    EXPECT_LT(e.flux, last.flux / 3);
    last = e;
  }
  EXPECT_LT(last.potential, 1e-3);
  EXPECT_LT(last.gradient, 1e-3);
  EXPECT_LT(last.flux, 1e-3 * 4 * PI);
}

}  // namespace
}  // namespace velda::test
