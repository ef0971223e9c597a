// The scalar path: one lane, with FMA. Built with -mfma.
#include <math.h>  // FP_FAST_FMA, under which sleef.h declares this path's functions
#include <sleef.h>

#include "2D/influence_maths.hpp"

namespace velda {
namespace {

// SLEEF declares its results const, which a plain function pointer does not take.
double log1(double r2) { return Sleef_finz_logd1_u10purecfma(r2); }
double atan21(double y, double x) { return Sleef_finz_atan2d1_u10purecfma(y, x); }

void calls(int n, const double* r2A, const double* r2B, const double* y, const double* x,
           double* lnA, double* lnB, double* theta) {
  for (int i = 0; i < n; ++i) {
    lnA[i] = Sleef_finz_logd1_u10purecfma(r2A[i]);
    lnB[i] = Sleef_finz_logd1_u10purecfma(r2B[i]);
    theta[i] = Sleef_finz_atan2d1_u10purecfma(y[i], x[i]);
  }
}

}  // namespace

const InfluenceMaths kMathsScalar = {"scalar", true, calls, log1, atan21};

}  // namespace velda
