// The AVX-512 kernels run 8 rows to a vector register. A row whose
// multiplier is 0 is masked out of both the product and the difference, and
// so are the lanes past the last row: a masked lane is neither computed nor
// able to raise a floating-point exception, so the vector code performs
// exactly the operations of the portable loops and no others. Products and
// differences are separate instructions; the build never contracts them.
#include "lib/elimination_kernels.hpp"

#include <immintrin.h>

#include <atomic>

namespace lib {
namespace {

constexpr int kLanes = 8;              // doubles in a 512-bit register
constexpr int kTileRows = 2 * kLanes;  // rows of an update_block tile
constexpr unsigned kAllLanes = 0xFF;
constexpr int kCacheLine = 64;                // bytes, 8 doubles: one tile column is 2 lines
constexpr int kPrefetchRows = 2 * kTileRows;  // how far down update_tile fetches ahead

void subtract_multiples_portable(double* x, double u, const double* f, int count) {
  for (int m = 0; m < count; ++m)
    if (f[m] != 0.0) x[m] = x[m] - u * f[m];
}

// Stages outer: each element still sees the stages in increasing order.
void update_block_portable(double* C, const double* U, std::ptrdiff_t ld, const double* F,
                           std::ptrdiff_t ldf, int stages, int rows) {
  for (int c = 0; c < kBlockColumns; ++c)
    for (int s = 0; s < stages; ++s)
      subtract_multiples_portable(C + c * ld, U[s + c * ld], F + s * ldf, rows);
}

// The lanes of rows first ... count-1, at most kLanes of them.
__mmask8 lanes_from(int first, int count) {
  const int n = count - first;
  if (n >= kLanes) return kAllLanes;
  return n <= 0 ? 0 : static_cast<__mmask8>((1u << n) - 1);
}

// Lanes whose multiplier takes part: inside `lanes` and not exactly 0 (a
// NaN multiplier takes part, as f != 0 holds for it).
__attribute__((target("avx512f"))) __mmask8 nonzero(__mmask8 lanes, __m512d f) {
  return _mm512_mask_cmp_pd_mask(lanes, f, _mm512_setzero_pd(), _CMP_NEQ_UQ);
}

// x <- x - u * f in the lanes of `take`; the other lanes keep x.
__attribute__((target("avx512f"))) __m512d subtract_product(__m512d x, __mmask8 take, __m512d u,
                                                            __m512d f) {
  return _mm512_mask_sub_pd(x, take, x, _mm512_maskz_mul_pd(take, u, f));
}

__attribute__((target("avx512f"))) void subtract_multiples_avx512(double* x, double u,
                                                                  const double* f, int count) {
  const __m512d u_all = _mm512_set1_pd(u);
  for (int m = 0; m < count; m += kLanes) {
    const __mmask8 lanes = lanes_from(m, count);
    const __mmask8 take = nonzero(lanes, _mm512_maskz_loadu_pd(lanes, f + m));
    const __m512d fm = _mm512_maskz_loadu_pd(take, f + m);
    const __m512d xm = _mm512_maskz_loadu_pd(take, x + m);
    _mm512_mask_storeu_pd(x + m, take, subtract_product(xm, take, u_all, fm));
  }
}

// One tile of update_block: the rows of lanes0 and lanes1 (the first and the
// second 8 rows) in all kBlockColumns columns, held in 16 registers through
// every stage and stored once. Meanwhile the same columns two tiles further
// down are fetched into the cache, which the processor does not foresee
// across columns a matrix apart; that makes the solve about a fifth faster
// (velda_bench, solve-1t). A fetch past the matrix is harmless.
__attribute__((target("avx512f"))) void update_tile_avx512(double* C, const double* U,
                                                           std::ptrdiff_t ld, const double* F,
                                                           std::ptrdiff_t ldf, int stages,
                                                           __mmask8 lanes0, __mmask8 lanes1) {
  __m512d top[kBlockColumns], bottom[kBlockColumns];
#pragma GCC unroll 8
  for (int c = 0; c < kBlockColumns; ++c) {
    const char* ahead = reinterpret_cast<const char*>(C + kPrefetchRows + c * ld);
    _mm_prefetch(ahead, _MM_HINT_T0);
    _mm_prefetch(ahead + kCacheLine, _MM_HINT_T0);
    top[c] = _mm512_maskz_loadu_pd(lanes0, C + c * ld);
    bottom[c] = _mm512_maskz_loadu_pd(lanes1, C + kLanes + c * ld);
  }
  for (int s = 0; s < stages; ++s) {
    const __m512d f0 = _mm512_maskz_loadu_pd(lanes0, F + s * ldf);
    const __m512d f1 = _mm512_maskz_loadu_pd(lanes1, F + kLanes + s * ldf);
    const __mmask8 take0 = nonzero(lanes0, f0);
    const __mmask8 take1 = nonzero(lanes1, f1);
#pragma GCC unroll 8
    for (int c = 0; c < kBlockColumns; ++c) {
      const __m512d u = _mm512_set1_pd(U[s + c * ld]);
      top[c] = subtract_product(top[c], take0, u, f0);
      bottom[c] = subtract_product(bottom[c], take1, u, f1);
    }
  }
#pragma GCC unroll 8
  for (int c = 0; c < kBlockColumns; ++c) {
    _mm512_mask_storeu_pd(C + c * ld, lanes0, top[c]);
    _mm512_mask_storeu_pd(C + kLanes + c * ld, lanes1, bottom[c]);
  }
}

__attribute__((target("avx512f"))) void update_block_avx512(double* C, const double* U,
                                                            std::ptrdiff_t ld, const double* F,
                                                            std::ptrdiff_t ldf, int stages,
                                                            int rows) {
  for (int r = 0; r < rows; r += kTileRows)
    update_tile_avx512(C + r, U, ld, F + r, ldf, stages, lanes_from(r, rows),
                       lanes_from(r + kLanes, rows));
}

constexpr EliminationKernels kPortable{"portable", subtract_multiples_portable,
                                       update_block_portable};
constexpr EliminationKernels kAvx512{"AVX-512", subtract_multiples_avx512, update_block_avx512};

std::atomic<bool> portable_forced{false};

}  // namespace

const EliminationKernels& elimination_kernels() {
  static const bool has_avx512 = __builtin_cpu_supports("avx512f");
  return has_avx512 && !portable_forced.load() ? kAvx512 : kPortable;
}

namespace testing {

void force_portable_kernels(bool portable) { portable_forced.store(portable); }

}  // namespace testing
}  // namespace lib
