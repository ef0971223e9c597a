#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <memory>
#include <numbers>
#include <vector>

#include "2D/VELDA.hpp"
#include "tests/2D/problems.hpp"

namespace velda::test {
namespace {

// The unit square counter-clockwise, 8 elements per side: nodes 1..8 on
// y = 0, 9..16 on x = 1, 17..24 on y = 1, 25..32 on x = 0. The elements at the
// corners, where the two kinds of condition meet, come out about 5 % off.
TEST(GHMAMPC, SquareBetweenTwoPotentialsCarriesAUniformField) {
  const auto v = geometry({rectangle(0, 0, 1, 1, 8)});
  auto zero = [](double, double) { return 0.0; };
  prescribe(*v, 1, 8, 1, zero);
  prescribe(*v, 9, 16, 0, [](double, double) { return 1.0; });
  prescribe(*v, 17, 24, 1, zero);
  prescribe(*v, 25, 32, 0, zero);
  ASSERT_EQ(solve(*v), 0);
  for (int k = 0; k < 8; ++k) {
    const double tolerance = k == 0 || k == 7 ? 0.055 : 0.02;
    EXPECT_NEAR(v->DPOTB(9 + k), 1.0, tolerance) << k;
    EXPECT_NEAR(v->DPOTB(25 + k), -1.0, tolerance) << k;
    EXPECT_NEAR(v->POTB(1 + k), v->XN(1 + k), 0.005) << k;
  }
}

TEST(GHMAMPC, DielectricCylinderTakesTheReducedField) {
  constexpr double EPS = 3;
  const auto v = dielectric_cylinder(EPS);
  ASSERT_EQ(solve(*v), 0);
  for (int J = 25; J <= 56; ++J) {
    EXPECT_NEAR(v->POTB(J), 2 * v->XN(J) / (1 + EPS), 0.002) << J;
    EXPECT_EQ(v->DPOTB(J), 0.0) << J;
  }
}

// A node of code 2 without impedance is a node of code 0, and a node of code 3
// on an interface to an insulator (EPS = 0) one of code 1 with derivative 0:
// over the same geometry, their systems are the same doubles, bit for bit.
TEST(GHMAMPC, DegenerateCodesGiveTheSystemOfTheSimplerOne) {
  const struct {
    int node, code, same_as;
    double value;
  } cases[] = {{4, 2, 0, 0.7}, {9, 3, 1, 0.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const std::vector<Point> rectangle = polyline({{0, 0}, {2, 0}, {2, 1}, {0, 1}, {0, 0}}, 3);
    const auto a = geometry({rectangle}), b = geometry({rectangle});
    for (Velda* v : {a.get(), b.get()}) {
      prescribe(*v, 1, 6, 1, [](double x, double) { return 0.1 * x; });
      prescribe(*v, 7, 12, 0, [](double x, double y) { return x + y; });
      v->POTB(c.node) = c.value;
    }
    a->KBC(c.node) = c.code;
    a->BCVAL(c.node) = a->BCIMP(c.node) = 0;
    b->KBC(c.node) = c.same_as;
    GHMAMPC(*a);
    GHMAMPC(*b);
    auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    for (int I = 1; I <= a->NELEM; ++I) {
      EXPECT_EQ(bits(a->DPOTB(I)), bits(b->DPOTB(I))) << I;
      for (int J = 1; J <= a->NELEM; ++J)
        EXPECT_EQ(bits(a->AMAT(I, J)), bits(b->AMAT(I, J))) << I << ", " << J;
    }
  }
}

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
}  // namespace velda::test
