// POTENT: the potential at (X, Y) from the boundary solution,
//   U = sum_J [ u(J) Hs(J) - q(J) Gs(J) ],
// u = POTB, q = DPOTB after REORDER and Gs, Hs the image-weighted integrals of
// INFL2D, summed in element order as (u Hs - q Gs) + U. This is the left side
// of a row of the system without its free term, so a point inside the region
// gets its potential, and a point on a node half of it.
//
// The sum of one point is a chain of additions, each waiting on the last.
// The sums of several points, each in element order and so the same bits as
// alone, run side by side, and the processor overlaps their chains.
#include <algorithm>

#include "2D/INFL2D.hpp"
#include "2D/VELDA.hpp"
#include "2D/images.hpp"

namespace velda {
namespace {

template <int N>
void potentials(const Velda& v, const lib::Point (&at)[N], double (&U)[N]) {
  const Images m = mirror_images(v.ISYMX, v.ISYMY);
  double sum[N] = {};
  for (int first = 1; first <= v.NELEM; first += kInfluenceBatch) {
    const int count = std::min(kInfluenceBatch, v.NELEM - first + 1);
    double Gs[N][kInfluenceBatch] = {}, Hs[N][kInfluenceBatch] = {};
    for (int p = 0; p < N; ++p) add_images(v, m, at[p].x, at[p].y, first, count, Gs[p], Hs[p]);
    for (int e = 0; e < count; ++e) {
      const int J = first + e;
      for (int p = 0; p < N; ++p) sum[p] = (v.POTB(J) * Hs[p][e] - v.DPOTB(J) * Gs[p][e]) + sum[p];
    }
  }
  std::copy(sum, sum + N, U);
}

}  // namespace

void POTENT(const Velda& v, double X, double Y, double& U) {
  double u[1];
  potentials(v, {{X, Y}}, u);
  U = u[0];
}

void POTENT(const Velda& v, const lib::Point (&at)[3], double (&U)[3]) { potentials(v, at, U); }

}  // namespace velda
