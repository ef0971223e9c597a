// The two loops that do nearly all the arithmetic of the elimination, in an
// AVX-512 version for processors that have it and a portable one for the
// rest. Both give every element the same operations in the same order, each
// product rounded before it is subtracted, so their results are the same bits.
#pragma once

#include <cstddef>

namespace lib {

// Columns updated together by update_block: its tile is 16 rows by 8 columns,
// 16 of the 32 vector registers.
inline constexpr int kBlockColumns = 8;

struct EliminationKernels {
  const char* name;  // "AVX-512" or "portable"

  // x[m] <- x[m] - u * f[m] for m = 0 ... count-1, except where f[m] is
  // exactly 0: a zero product could still turn -0 into +0, or an infinite u
  // into NaN.
  void (*subtract_multiples)(double* x, double u, const double* f, int count);

  // For each stage s = 0 ... stages-1 in turn, and each row r < rows and
  // column c < kBlockColumns:
  //   C(r, c) <- C(r, c) - U(s, c) * F(r, s), except where F(r, s) is 0,
  // with C(r, c) = C[r + c * ld], U(s, c) = U[s + c * ld], F(r, s) = F[r + s * ldf].
  void (*update_block)(double* C, const double* U, std::ptrdiff_t ld, const double* F,
                       std::ptrdiff_t ldf, int stages, int rows);
};

// The AVX-512 kernels when the processor runs them, else the portable ones.
const EliminationKernels& elimination_kernels();

namespace testing {

// Tests only: make elimination_kernels() return the portable kernels
// (true) or choose by the processor again (false).
void force_portable_kernels(bool portable);

}  // namespace testing
}  // namespace lib
