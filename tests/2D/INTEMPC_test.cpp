#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "2D/VELDA.hpp"
#include "fixtures/circle.hpp"
#include "tests/support/problems.hpp"

namespace test_support {
namespace {

using namespace velda;

constexpr double PI = std::numbers::pi;

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
  const auto v =
      geometry({fixtures::circle(0, 0, 2, n, false), fixtures::circle(0, 0, 1, n, true)});
  prescribe(*v, 1, 2 * n, 0, u);
  const Point points[] = {{1.5, 0}, {0, -1.2}, {-1.3, 1.1}, {1.2, 1.0}, {-0.5, -1.7}};
  v->NINTP = std::size(points);
  for (int i = 1; i <= v->NINTP; ++i) v->XINT(i) = points[i - 1].x, v->YINT(i) = points[i - 1].y;
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
}  // namespace test_support
