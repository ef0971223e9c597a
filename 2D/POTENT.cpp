// POTENT: the potential at (X, Y) from the boundary solution,
//   U = sum_J [ u(J) Hs(J) - q(J) Gs(J) ],
// u = POTB, q = DPOTB after REORDER and Gs, Hs the image-weighted integrals of
// INFL2D, summed in element order as (u Hs - q Gs) + U. This is the left side
// of a row of the system without its free term, so a point inside the region
// gets its potential, and a point on a node half of it.
#include "2D/VELDA.hpp"
#include "2D/images.hpp"

namespace velda {

void POTENT(const Velda& v, double X, double Y, double& U) {
  const Images m = mirror_images(v.ISYMX, v.ISYMY);
  double sum = 0.0;
  for (int J = 1; J <= v.NELEM; ++J) {
    double Gs = 0.0;
    double Hs = 0.0;
    add_images(v, m, X, Y, J, Gs, Hs);
    sum = (v.POTB(J) * Hs - v.DPOTB(J) * Gs) + sum;
  }
  U = sum;
}

}  // namespace velda
