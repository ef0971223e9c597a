// The nofma path, for x86-64 processors without FMA: 2 lanes of SSE2, which
// every x86-64 processor has. Built for the plain x86-64 instruction set.
#include <emmintrin.h>
#include <sleef.h>

#include "2D/influence_maths.hpp"

namespace velda {
namespace {

// SLEEF declares its results const, which a plain function pointer does not take.
double log1(double r2) { return Sleef_cinz_logd1_u10purec(r2); }
double atan21(double y, double x) { return Sleef_cinz_atan2d1_u10purec(y, x); }

void calls(int n, const double* r2A, const double* r2B, const double* y, const double* x,
           double* lnA, double* lnB, double* theta) {
  for (int i = 0; i < n; i += 2) {
    _mm_storeu_pd(lnA + i, Sleef_cinz_logd2_u10sse2(_mm_loadu_pd(r2A + i)));
    _mm_storeu_pd(lnB + i, Sleef_cinz_logd2_u10sse2(_mm_loadu_pd(r2B + i)));
    _mm_storeu_pd(theta + i, Sleef_cinz_atan2d2_u10sse2(_mm_loadu_pd(y + i), _mm_loadu_pd(x + i)));
  }
}

}  // namespace

const InfluenceMaths kMathsNoFma = {"nofma", false, calls, log1, atan21};

}  // namespace velda
