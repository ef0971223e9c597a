// The avx512 path: 8 lanes. Built with -mavx512f -mfma.
#include <immintrin.h>
#include <sleef.h>

#include "2D/influence_maths.hpp"

namespace velda {
namespace {

// SLEEF declares its results const, which a plain function pointer does not take.
double log1(double r2) { return Sleef_finz_logd1_u10purecfma(r2); }
double atan21(double y, double x) { return Sleef_finz_atan2d1_u10purecfma(y, x); }

void calls(int n, const double* r2A, const double* r2B, const double* y, const double* x,
           double* lnA, double* lnB, double* theta) {
  for (int i = 0; i < n; i += 8) {
    _mm512_storeu_pd(lnA + i, Sleef_finz_logd8_u10avx512f(_mm512_loadu_pd(r2A + i)));
    _mm512_storeu_pd(lnB + i, Sleef_finz_logd8_u10avx512f(_mm512_loadu_pd(r2B + i)));
    _mm512_storeu_pd(theta + i,
                     Sleef_finz_atan2d8_u10avx512f(_mm512_loadu_pd(y + i), _mm512_loadu_pd(x + i)));
  }
}

}  // namespace

const InfluenceMaths kMathsAvx512 = {"avx512", true, calls, log1, atan21};

}  // namespace velda
