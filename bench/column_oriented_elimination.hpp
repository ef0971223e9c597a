// The straightforward column-oriented elimination that the solver is
// measured against, and checked against bit for bit by the tests: the
// textbook operations, columns outer within each stage, one element at a
// time, on one thread.
#pragma once

namespace bench {

// Same arguments and results, bit for bit, as lib::DPVT; no guard against a
// zero pivot.
void column_oriented_elimination(double* A, double* B, int N, int NRHS, int LDA, double TOL,
                                 int& IER);

}  // namespace bench
