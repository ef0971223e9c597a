#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <numbers>
#include <ostream>
#include <vector>

#include "2D/VELDA.hpp"
#include "tests/2D/problems.hpp"

namespace velda::test {
namespace {

// The unit square counter-clockwise, 8 elements per side: nodes 1..8 on
// y = 0, 9..16 on x = 1, 17..24 on y = 1, 25..32 on x = 0. The elements at the
// corners, where the two kinds of condition meet, come out about 5 % off.
TEST(GHMAMPC, SquareBetweenTwoPotentialsCarriesAUniformField) {
  auto v = std::make_unique<Velda>();
  add_boundary(*v, rectangle(0, 0, 1, 1, 8));
  GEOM(*v);
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
  auto v = std::make_unique<Velda>();
  dielectric_cylinder(*v, EPS);
  ASSERT_EQ(solve(*v), 0);
  for (int J = 25; J <= 56; ++J) {
    EXPECT_NEAR(v->POTB(J), 2 * v->XN(J) / (1 + EPS), 0.002) << J;
    EXPECT_EQ(v->DPOTB(J), 0.0) << J;
  }
}

// Two systems over the same geometry, one node differing in its condition.
struct TwoSystems {
  std::unique_ptr<Velda> a = std::make_unique<Velda>(), b = std::make_unique<Velda>();
  TwoSystems() {
    for (Velda* v : {a.get(), b.get()}) {
      add_boundary(*v, polyline({{0, 0}, {2, 0}, {2, 1}, {0, 1}, {0, 0}}, 3));
      GEOM(*v);
      prescribe(*v, 1, 6, 1, [](double x, double) { return 0.1 * x; });
      prescribe(*v, 7, 12, 0, [](double x, double y) { return x + y; });
    }
  }
  // AMAT and DPOTB of the two are the same doubles, bit for bit.
  void expect_same_system() {
    GHMAMPC(*a);
    GHMAMPC(*b);
    auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    for (int I = 1; I <= a->NELEM; ++I) {
      EXPECT_EQ(bits(a->DPOTB(I)), bits(b->DPOTB(I))) << I;
      for (int J = 1; J <= a->NELEM; ++J) {
        EXPECT_EQ(bits(a->AMAT(I, J)), bits(b->AMAT(I, J))) << I << ", " << J;
      }
    }
  }
};

TEST(GHMAMPC, ImpedanceNodeWithoutImpedanceIsAPotentialNode) {
  TwoSystems s;
  s.a->KBC(4) = 2;
  s.a->BCVAL(4) = 0;
  s.a->POTB(4) = s.b->POTB(4) = 0.7;
  s.b->KBC(4) = 0;
  s.expect_same_system();
}

TEST(GHMAMPC, InterfaceToAnInsulatorIsAZeroDerivativeNode) {
  TwoSystems s;
  s.a->KBC(9) = 3;
  s.a->BCIMP(9) = 0;
  s.a->POTB(9) = s.b->POTB(9) = 0;
  s.b->KBC(9) = 1;
  s.expect_same_system();
}

// A harmonic u and its gradient.
struct Harmonic {
  std::function<double(double, double)> u, ux, uy;
};

const Harmonic EVEN_EVEN{[](double x, double y) { return x * x - y * y; },
                         [](double x, double) { return 2 * x; },
                         [](double, double y) { return -2 * y; }};
const Harmonic ODD_ODD{[](double x, double y) { return x * y; }, [](double, double y) { return y; },
                       [](double x, double) { return x; }};
const Harmonic EVEN_ODD{[](double x, double y) { return x * x * y - y * y * y / 3; },
                        [](double x, double y) { return 2 * x * y; },
                        [](double x, double y) { return x * x - y * y; }};

// On the square (-1,-1)-(1,1) the sides x = +-1 carry code 0 for |y| < 1/2
// and code 1 beyond, the sides y = +-1 code 2 with Z = 1/2, all from a
// harmonic u whose parity matches the symmetry flags: the reduced boundary
// with its mirror images is then the full one with mirrored data.
struct SymmetryCase {
  int ISYMX, ISYMY;
  Harmonic h;
};

void PrintTo(const SymmetryCase& c, std::ostream* os) {
  *os << "ISYMX = " << c.ISYMX << ", ISYMY = " << c.ISYMY;
}

constexpr double Z = 0.5;

void square_conditions(Velda& v, const SymmetryCase& c) {
  for (int J = 1; J <= v.NELEM; ++J) {
    const double x = v.XN(J), y = v.YN(J);
    const double u = c.h.u(x, y);
    const double q = std::abs(x) == 1 ? x * c.h.ux(x, y) : y * c.h.uy(x, y);
    if (std::abs(y) == 1) {
      v.KBC(J) = 2;
      v.BCVAL(J) = Z;
      v.POTB(J) = u + Z * q;
    } else {
      v.KBC(J) = std::abs(y) < 0.5 ? 0 : 1;
      v.POTB(J) = v.KBC(J) == 0 ? u : q;
    }
  }
}

// The part of the square's boundary in x >= 0 and/or y >= 0, as open polylines.
std::vector<Point> reduced_square(const SymmetryCase& c, int m) {
  if (c.ISYMX != 0 && c.ISYMY != 0) return polyline({{1, 0}, {1, 1}, {0, 1}}, m);
  if (c.ISYMX != 0) return polyline({{0, -1}, {1, -1}, {1, 1}, {0, 1}}, m);
  return polyline({{1, 0}, {1, 1}, {-1, 1}, {-1, 0}}, m);
}

class Symmetry : public testing::TestWithParam<SymmetryCase> {};

TEST_P(Symmetry, ReducedGeometrySolvesAsTheFullOne) {
  const SymmetryCase& c = GetParam();
  const std::vector<Point> R = reduced_square(c, 8);
  auto reduced = std::make_unique<Velda>(), full = std::make_unique<Velda>();
  add_boundary(*reduced, R);
  add_boundary(*full, R);
  if (c.ISYMX != 0) add_boundary(*full, mirrored(R, true));
  if (c.ISYMY != 0) add_boundary(*full, mirrored(R, false));
  if (c.ISYMX != 0 && c.ISYMY != 0) add_boundary(*full, mirrored(mirrored(R, true), false));
  reduced->ISYMX = c.ISYMX;
  reduced->ISYMY = c.ISYMY;
  for (Velda* v : {reduced.get(), full.get()}) {
    GEOM(*v);
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
    EXPECT_NEAR(Uf, c.h.u(p.x, p.y), 0.02) << p.x << ", " << p.y;  // the right problem
  }
}

INSTANTIATE_TEST_SUITE_P(
    GHMAMPC, Symmetry,
    testing::Values(SymmetryCase{1, 0, EVEN_EVEN}, SymmetryCase{-1, 0, ODD_ODD},
                    SymmetryCase{0, 1, EVEN_EVEN}, SymmetryCase{0, -1, EVEN_ODD},
                    SymmetryCase{1, 1, EVEN_EVEN}, SymmetryCase{-1, -1, ODD_ODD},
                    SymmetryCase{1, -1, EVEN_ODD}));

// A plate along the y axis, two elements of length 1/2, under ISYMX = 1: the
// mirror of a plate node is the node itself, so the mirrored element is taken
// at its own node too and adds the same G and no H.
TEST(GHMAMPC, NodeOnTheSymmetryAxisTakesItsMirrorAsItself) {
  auto v = std::make_unique<Velda>();
  add_boundary(*v, polyline({{0, -1}, {1, -1}, {1, 1}, {0, 1}}, 2));
  add_boundary(*v, polyline({{0, -0.5}, {0, 0.5}}, 2));
  v->ISYMX = 1;
  GEOM(*v);
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
