// The solver written as the plain textbook loop, one row at a time, kept only
// to check the solver against bit for bit. Same arguments as lib::DPVT; it
// has no guard against a zero pivot, so give it none.
#pragma once

namespace lib_test {

void reference_dpvt(double* A, double* B, int N, int NRHS, int LDA, double TOL, int& IER);

}  // namespace lib_test
