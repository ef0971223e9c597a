// The system of equations solved, as every run solves it.
#pragma once

#include "2D/VELDA.hpp"

namespace velda {

// Solves AMAT X = B in place for `sides` right-hand sides, the columns of B
// (leading dimension MAXEL), AMAT's rows and columns 1 to NELEM. Returns the
// solver's IER: nonzero when a pivot was small. An exactly zero pivot means
// the system has no unique solution: a failure report says so.
int solve_system(Velda& v, double* B, int sides);

}  // namespace velda
