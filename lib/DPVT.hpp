// The dense linear solver: A X = B by Gaussian elimination with partial
// pivoting, in place. It knows nothing of the rest of the program.
#pragma once

#include <stdexcept>
#include <string>

namespace lib {

// An exactly zero pivot: the matrix is singular and the solve cannot go on.
// Thrown before the zero is divided by; `stage` is the elimination stage k
// (N for the last diagonal element) at which the pivot was found.
class SingularMatrix : public std::runtime_error {
 public:
  explicit SingularMatrix(int stage)
      : std::runtime_error("zero pivot at elimination stage " + std::to_string(stage)),
        stage(stage) {}

  int stage;
};

// Solves A X = B for the NRHS columns of B.
//
// A is N x N and B is N x NRHS, both stored column by column with leading
// dimension LDA: element (i, j), counted from 1, is at A[(i - 1) + (j - 1) * LDA].
// Requires 1 <= N <= LDA; nothing is checked. Rows N + 1 ... LDA are never
// touched.
//
// On return B holds the solutions, and the upper triangle of A, diagonal
// included, the triangular factor U of the row-interchanged matrix. The
// strictly lower triangle keeps leftover values: neither zeroed nor holding
// multipliers. The interchanges are not recorded.
//
// A pivot is small when its magnitude is below t = TOL * mean |A(i, j)| over
// the N x N block as given. IER = -k if stage k (k = N: the last diagonal
// element) was the first with a small pivot, else 0. A small pivot does not
// stop the solve: the solution comes back with the flag. With NRHS = 0 the
// matrix is reduced and IER set, and B is neither read nor written.
//
// Throws SingularMatrix on an exactly zero pivot, whatever NRHS is. When
// TOL > 0, IER is already non-zero at that point; A and B are then left part
// way through the elimination.
//
// Besides A and B, a solve uses the multipliers of 32 stages at a time, 32 N
// reals (400 KiB at order 1600), and the machine's threads (lib/parallel.hpp).
// Its results do not depend on the thread count or on the processor's vector
// instructions.
void DPVT(double* A, double* B, const int& N, const int& NRHS, const int& LDA, const double& TOL,
          int& IER);

}  // namespace lib
