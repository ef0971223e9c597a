// The image sums of a batch of elements. Every element has a weight of its
// H, interface and other elements alike (H times 1 is H itself), so that one
// loop serves them all; built for AVX-512 and for any x86-64 processor as in
// INFL2D.cpp, it runs on vector registers.
#include "2D/images.hpp"

#include "2D/INFL2D.hpp"

namespace velda {

[[gnu::target_clones("avx512f", "default")]] void add_images(const Velda& v, const Images& m,
                                                             double X, double Y, int first,
                                                             int count, double* Gs, double* Hs) {
  double weight[kInfluenceBatch];
  for (int e = 0; e < count; ++e) {
    const int J = first + e;
    weight[e] = v.KBC(J) == KBC_INTERFACE ? 1.0 - v.BCIMP(J) : 1.0;
  }
  for (int k = 0; k < m.count; ++k)
    add_influence_batch(v, m.image[k].KX * X, m.image[k].KY * Y, first, count, m.image[k].s, weight,
                        Gs, Hs);
}

}  // namespace velda
