// The unit right-hand sides of one assembly against assemblies of their own.
#include "2D/unit_right_hand_sides.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "fixtures/circle.hpp"
#include "tests/support/problems.hpp"

namespace {

using test_support::Point;

// A box with a conductor in it: every code the assembly knows, so that each
// kind of column's coefficient is in play.
std::unique_ptr<velda::Velda> every_code() {
  auto v =
      test_support::geometry({test_support::polyline({{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}}, 4),
                              fixtures::circle(1.5, 1.5, 0.5, 12, true)});
  const auto value = [](double x, double y) { return x - 2 * y + 0.5; };
  test_support::prescribe(*v, 1, 4, 0, value);
  test_support::prescribe(*v, 5, 8, 1, value);
  test_support::prescribe(*v, 9, 12, 2, value);
  for (int J = 9; J <= 12; ++J) v->BCVAL(J) = 0.25;
  test_support::prescribe(*v, 13, 16, 3, value);
  for (int J = 13; J <= 16; ++J) v->BCIMP(J) = 4.0;
  test_support::prescribe(*v, 17, 22, -1, value);
  test_support::prescribe(*v, 23, 28, -2, value);
  return v;
}

// Side r is DPOTB with POTB 1 at its nodes and 0 elsewhere, and the matrix
// and DPOTB of the same assembly are GHMAMPC's own bits.
TEST(UnitRightHandSides, EachSideIsTheRightHandSideOfUnitValuesOnItsNodes) {
  const auto v = every_code();
  const std::vector<int> side = {0, 0, 1, 0, 0, 0, 0, 0, 2, 2, 0, 0, 0, 0,
                                 0, 0, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0, 0, 0};
  ASSERT_EQ(static_cast<int>(side.size()), v->NELEM);
  auto plain = std::make_unique<velda::Velda>(*v);
  velda::GHMAMPC(*plain);
  std::vector<double> B(velda::MAXEL * 3, 0.0);
  velda::GHMAMPC(*v, {side.data(), B.data()});
  EXPECT_EQ(std::memcmp(&v->AMAT, &plain->AMAT, sizeof v->AMAT), 0);
  EXPECT_EQ(std::memcmp(&v->DPOTB, &plain->DPOTB, sizeof v->DPOTB), 0);
  for (int r = 1; r <= 3; ++r) {
    auto unit = std::make_unique<velda::Velda>(*v);
    for (int J = 1; J <= v->NELEM; ++J) unit->POTB(J) = side[J - 1] == r ? 1.0 : 0.0;
    velda::GHMAMPC(*unit);
    for (int I = 1; I <= v->NELEM; ++I)
      EXPECT_EQ(B[(I - 1) + velda::MAXEL * (r - 1)], unit->DPOTB(I))
          << "side " << r << " row " << I;
  }
}

}  // namespace
