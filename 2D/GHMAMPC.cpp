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
// and DPOTB(I) <- POTB(J) c + DPOTB(I), J in increasing order.
#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "2D/images.hpp"

namespace velda {
namespace {

constexpr double HALF = 0.5;  // the free term of a smooth boundary point

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

}  // namespace

void GHMAMPC(Velda& v) {
  const Images m = mirror_images(v.ISYMX, v.ISYMY);
  for (int I = 1; I <= v.NELEM; ++I) {
    v.DPOTB(I) = 0.0;
    for (int J = 1; J <= v.NELEM; ++J) {
      double Gs = 0.0;
      double Hs = I == J ? free_term(v, I) : 0.0;
      add_images(v, m, v.XN(I), v.YN(I), J, Gs, Hs);
      v.DPOTB(I) = v.POTB(J) * set_entry(v, I, J, Gs, Hs) + v.DPOTB(I);
    }
  }
}

}  // namespace velda
