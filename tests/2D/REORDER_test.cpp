#include <gtest/gtest.h>

#include <memory>

#include "2D/VELDA.hpp"

namespace velda {
namespace {

// One node per row: its code, the value read, Z, the solved unknown, and the
// potential and derivative expected afterwards.
struct Node {
  int KBC;
  double read, BCVAL, solved, potential, derivative;
};

TEST(REORDER, EveryCodeEndsWithPotentialAndDerivative) {
  const Node table[] = {
      {1, 2.5, 0, 7, 7, 2.5},          // prescribed derivative: swapped back
      {2, 10, 2, 1.5, 7, 1.5},         // impedance: V - Z q
      {2, 10, 0, 1.5, 10, 1.5},        // no impedance: V itself
      {3, 0, 0, -4.25, -4.25, 0},      // interface: derivative exactly 0
      {0, 3.5, 0, -0.75, 3.5, -0.75},  // prescribed potential: unchanged
      {-2, -1, 0, 0.125, -1, 0.125},   // grouped potential: unchanged
  };
  auto v = std::make_unique<Velda>();
  v->NELEM = std::size(table);
  for (int J = 1; J <= v->NELEM; ++J) {
    const Node& n = table[J - 1];
    v->KBC(J) = n.KBC;
    v->POTB(J) = n.read;
    v->BCVAL(J) = n.BCVAL;
    v->DPOTB(J) = n.solved;
  }
  v->KBC(v->NELEM + 1) = 1;  // beyond NELEM: left alone
  v->POTB(v->NELEM + 1) = 9;
  v->DPOTB(v->NELEM + 1) = 8;
  REORDER(*v);
  for (int J = 1; J <= v->NELEM; ++J) {
    EXPECT_EQ(v->POTB(J), table[J - 1].potential) << J;
    EXPECT_EQ(v->DPOTB(J), table[J - 1].derivative) << J;
  }
  EXPECT_EQ(v->POTB(v->NELEM + 1), 9);
}

}  // namespace
}  // namespace velda
