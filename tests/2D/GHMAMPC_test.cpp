#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <vector>

#include "2D/VELDA.hpp"
#include "tests/support/problems.hpp"

namespace test_support {
namespace {

using namespace velda;

// On the square (-1,-1)-(1,1) the sides x = +-1 carry code 0 for |y| < 1/2
// and code 1 beyond, the sides y = +-1 code 2 with Z = 1/2, all from the
// harmonic u = Re(C z^n) whose parity matches the symmetry flags: the reduced
// boundary with its mirror images is then the full one with mirrored data.
struct SymmetryCase {
  int ISYMX, ISYMY;
  std::complex<double> C;
  int n;  // x^2 - y^2 is even-even, xy odd-odd, x^2 y - y^3/3 even-odd
};

// C z^k at z = x + iy: u = Re(C z^n), and u_x - i u_y = n C z^(n-1).
std::complex<double> power(const SymmetryCase& c, double x, double y, int k) {
  std::complex<double> f = c.C;
  for (int i = 0; i < k; ++i) f *= std::complex(x, y);
  return f;
}

// The same points, each mirrored (x -> -x when in_x, y -> -y otherwise) and
// taken in reverse order, so that the region stays on the left.
std::vector<Point> mirrored(const std::vector<Point>& points, bool in_x) {
  std::vector<Point> image;
  for (auto p = points.rbegin(); p != points.rend(); ++p)
    image.push_back(in_x ? Point{-p->x, p->y} : Point{p->x, -p->y});
  return image;
}

void square_conditions(Velda& v, const SymmetryCase& c) {
  constexpr double Z = 0.5;
  for (int J = 1; J <= v.NELEM; ++J) {
    const double x = v.XN(J), y = v.YN(J), u = power(c, x, y, c.n).real();
    const std::complex<double> grad = double(c.n) * power(c, x, y, c.n - 1);
    const double ux = grad.real(), uy = -grad.imag();
    const double q = std::abs(x) == 1 ? x * ux : y * uy;  // outward derivative
    v.KBC(J) = std::abs(y) == 1 ? 2 : std::abs(y) < 0.5 ? 0 : 1;
    v.BCVAL(J) = v.KBC(J) == 2 ? Z : 0;
    v.POTB(J) = v.KBC(J) == 0 ? u : v.KBC(J) == 1 ? q : u + Z * q;
  }
}

TEST(GHMAMPC, SymmetricAndAntisymmetricHalvesSolveAsTheFullGeometry) {
  using namespace std::complex_literals;
  const SymmetryCase cases[] = {{1, 0, 1, 2},         {-1, 0, -0.5i, 2}, {0, 1, 1, 2},
                                {0, -1, -1i / 3., 3}, {1, 1, 1, 2},      {-1, -1, -0.5i, 2},
                                {1, -1, -1i / 3., 3}};
  for (const SymmetryCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "ISYMX = " << c.ISYMX << ", ISYMY = " << c.ISYMY);
    // The part of the square's boundary in x >= 0 and/or y >= 0, open.
    const std::vector<Point> R = c.ISYMX != 0 && c.ISYMY != 0
                                     ? polyline({{1, 0}, {1, 1}, {0, 1}}, 8)
                                 : c.ISYMX != 0 ? polyline({{0, -1}, {1, -1}, {1, 1}, {0, 1}}, 8)
                                                : polyline({{1, 0}, {1, 1}, {-1, 1}, {-1, 0}}, 8);
    std::vector<std::vector<Point>> whole{R};
    if (c.ISYMX != 0) whole.push_back(mirrored(R, true));
    if (c.ISYMY != 0) whole.push_back(mirrored(R, false));
    if (c.ISYMX != 0 && c.ISYMY != 0) whole.push_back(mirrored(mirrored(R, true), false));
    const auto reduced = geometry({R}), full = geometry(whole);
    reduced->ISYMX = c.ISYMX;
    reduced->ISYMY = c.ISYMY;
    for (Velda* v : {reduced.get(), full.get()}) {
      square_conditions(*v, c);
      ASSERT_EQ(solve(*v), 0);
    }
    for (int J = 1; J <= reduced->NELEM; ++J) {
      EXPECT_NEAR(reduced->POTB(J), full->POTB(J), 1e-12) << J;
      EXPECT_NEAR(reduced->DPOTB(J), full->DPOTB(J), 1e-12) << J;
    }
    for (Point p : {Point{0.5, 0.5}, Point{0.1, 0.9}, Point{0.8, 0.05}}) {
      double Ur, Uf;
      POTENT(*reduced, p.x, p.y, Ur);
      POTENT(*full, p.x, p.y, Uf);
      EXPECT_NEAR(Ur, Uf, 1e-12) << p.x << ", " << p.y;
      EXPECT_NEAR(Uf, power(c, p.x, p.y, c.n).real(), 0.02)
          << p.x << ", " << p.y;  // the right problem
    }
  }
}

// A plate along the y axis, two elements of length 1/2, under ISYMX = 1: the
// mirror of a plate node is the node itself, so the mirrored element is taken
// at its own node too and adds the same G and no H.
TEST(GHMAMPC, NodeOnTheSymmetryAxisTakesItsMirrorAsItself) {
  const auto v = geometry(
      {polyline({{0, -1}, {1, -1}, {1, 1}, {0, 1}}, 2), polyline({{0, -0.5}, {0, 0.5}}, 2)});
  v->ISYMX = 1;
  const int N = v->NELEM;
  prescribe(*v, 1, N - 1, 0, [](double, double y) { return y; });
  prescribe(*v, N, N, 1, [](double, double) { return 0.0; });
  GHMAMPC(*v);
  const double L = 0.5, own_G = L / (2 * std::numbers::pi) * (std::log(L / 2) - 1);
  EXPECT_NEAR(v->AMAT(N - 1, N - 1), 2 * own_G, 1e-15);  // code 0: G of both
  EXPECT_EQ(v->AMAT(N, N), 0.5);                         // code 1: minus the free term
  EXPECT_EQ(solve(*v), 0);
  for (int J = 1; J <= N; ++J) {
    EXPECT_TRUE(std::isfinite(v->POTB(J)) && std::isfinite(v->DPOTB(J))) << J;
  }
}

}  // namespace
}  // namespace test_support
