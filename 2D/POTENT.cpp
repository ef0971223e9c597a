// POTENT: the potential at (X, Y) from the boundary solution,
//   U = sum_J [ u(J) Hs(J) - q(J) Gs(J) ],
// u = POTB, q = DPOTB after REORDER and Gs, Hs the image-weighted integrals of
// INFL2D, summed in element order as (u Hs - q Gs) + U. This is the left side
// of a row of the system without its free term, so a point inside the region
// gets its potential, and a point on a node half of it.
#include <algorithm>

#include "2D/INFL2D.hpp"
#include "2D/VELDA.hpp"
#include "2D/images.hpp"

namespace velda {

void POTENT(const Velda& v, double X, double Y, double& U) {
  const Images m = mirror_images(v.ISYMX, v.ISYMY);
  double sum = 0.0;
  for (int first = 1; first <= v.NELEM; first += kInfluenceBatch) {
    const int count = std::min(kInfluenceBatch, v.NELEM - first + 1);
    double Gs[kInfluenceBatch] = {}, Hs[kInfluenceBatch] = {};
    add_images(v, m, X, Y, first, count, Gs, Hs);
    for (int e = 0; e < count; ++e) {
      const int J = first + e;
      sum = (v.POTB(J) * Hs[e] - v.DPOTB(J) * Gs[e]) + sum;
    }
  }
  U = sum;
}

}  // namespace velda
