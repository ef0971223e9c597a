// GHMAMPC: the system AMAT x = DPOTB, one row per collocation node I and one
// unknown per node J. Row I is the boundary equation at node I,
//   sum_J [ Gs(I,J) q(J) - Hs(I,J) u(J) ] = 0,
// u, q the potential and outward normal derivative at node J, Gs, Hs the
// image-weighted integrals of INFL2D, and Hs(I,I) carrying the free term
// -f(I): f = 1/2 on the boundary, (1 + EPS)/2 on an interface. The known value
// of each node moves to the right-hand side, c being its coefficient there:
//   code <= 0  u known            AMAT = Gs           c = Hs
//   code 1     q known            AMAT = -Hs          c = -Gs
//   code 2     u = V - Z q        AMAT = Z Hs + Gs    c = Hs   (POTB = V)
//   code 3     q has no term      AMAT = -Hs          c = 0
// and DPOTB(I) <- POTB(J) c + DPOTB(I), J in increasing order. Unit
// right-hand sides, when asked for, take B(I, r) <- c + B(I, r) for the nodes
// J of side r in the same order: DPOTB for POTB 1 on side r, 0 elsewhere.
#include <algorithm>

#include "2D/INFL2D.hpp"
#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "2D/images.hpp"
#include "2D/unit_right_hand_sides.hpp"
#include "lib/parallel.hpp"

namespace velda {
namespace {

constexpr double HALF = 0.5;  // the free term of a smooth boundary point
// Rows are independent and are shared over the threads, this many at a time:
// a row costs 4 NELEM influence calls, about a tenth of a millisecond.
constexpr int kRowsPerTask = 8;

double free_term(const Velda& v, int I) {
  return v.KBC(I) == KBC_INTERFACE ? -(1.0 + v.BCIMP(I)) * HALF : -HALF;
}

// Sets AMAT(I, J) from the column node's code and returns its c.
double set_entry(Velda& v, int I, int J, double Gs, double Hs) {
  switch (v.KBC(J)) {
    case KBC_DERIVATIVE:
      v.AMAT(I, J) = -Hs;
      return -Gs;
    case KBC_IMPEDANCE:
      v.AMAT(I, J) = v.BCVAL(J) * Hs + Gs;
      return Hs;
    case KBC_INTERFACE:
      v.AMAT(I, J) = -Hs;
      return 0.0;
    default:
      v.AMAT(I, J) = Gs;
      return Hs;
  }
}

// A unit value at node J puts 1.0 c, which is c itself, into its side's row
// I, the nodes in increasing order as for DPOTB.
void add_unit_value(const UnitRightHandSides& sides, int I, int J, double c) {
  const int r = sides.side[J - 1];
  if (r > 0) {
    double& b = sides.B[(I - 1) + MAXEL * (r - 1)];
    b = c + b;
  }
}

// Row I, its columns in order a batch at a time. It reads the geometry and
// the codes and writes only row I of AMAT, DPOTB(I) and of the unit
// right-hand sides, if any.
void assemble_row(Velda& v, const Images& m, int I, const UnitRightHandSides* sides) {
  double right = 0.0;
  for (int first = 1; first <= v.NELEM; first += kInfluenceBatch) {
    const int count = std::min(kInfluenceBatch, v.NELEM - first + 1);
    double Gs[kInfluenceBatch] = {}, Hs[kInfluenceBatch] = {};
    if (first <= I && I < first + count) Hs[I - first] = free_term(v, I);
    add_images(v, m, v.XN(I), v.YN(I), first, count, Gs, Hs);
    for (int e = 0; e < count; ++e) {
      const int J = first + e;
      const double c = set_entry(v, I, J, Gs[e], Hs[e]);
      right = v.POTB(J) * c + right;
      if (sides) add_unit_value(*sides, I, J, c);
    }
  }
  v.DPOTB(I) = right;
}

void assemble(Velda& v, const UnitRightHandSides* sides) {
  const Images m = mirror_images(v.ISYMX, v.ISYMY);
  lib::parallel_for(v.NELEM, kRowsPerTask, [&](int first, int last) {
    for (int I = first + 1; I <= last; ++I) assemble_row(v, m, I, sides);
  });
}

}  // namespace

void GHMAMPC(Velda& v) { assemble(v, nullptr); }

void GHMAMPC(Velda& v, const UnitRightHandSides& sides) { assemble(v, &sides); }

}  // namespace velda
