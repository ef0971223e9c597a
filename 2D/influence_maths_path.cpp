// One path of the influence integrals' maths (influence_maths.hpp). CMake
// builds this file once for each path, for the path's own instruction set,
// naming it with these macros:
//   VELDA_PATH_NAME   its name, as VELDA_SIMD gives it ("avx512", ...)
//   VELDA_PATH_TABLE  the InfluenceMaths it defines (kMathsAvx512, ...)
//   VELDA_PATH_FMA    whether it is one of the paths with FMA
//   VELDA_LANES       doubles in one of its vectors: 8, 4, 2 or 1
//   VELDA_SLEEF       SLEEF's deterministic family: finz (FMA) or cinz
//   VELDA_ISA         SLEEF's name of the vector functions' instruction set
//   VELDA_SCALAR_ISA  the same for the one-operand functions
#include <math.h>  // FP_FAST_FMA, under which sleef.h declares the FMA paths' functions
#if VELDA_LANES > 1
#include <immintrin.h>
#endif
#include <sleef.h>

#include "2D/influence_maths.hpp"

#define VELDA_PASTE(a, b, c, d, e, f, g) a##b##c##d##e##f##g
#define VELDA_NAME(a, b, c, d, e, f, g) VELDA_PASTE(a, b, c, d, e, f, g)
// Sleef_<family>_<function>d<lanes>_u10<isa>, e.g. Sleef_finz_logd8_u10avx512f.
#define VELDA_SLEEF_FUNCTION(function, lanes, isa) \
  VELDA_NAME(Sleef_, VELDA_SLEEF, _, function, lanes, _u10, isa)

namespace velda {
namespace {

#if VELDA_LANES == 8
using Vector = __m512d;
Vector load(const double* p) { return _mm512_loadu_pd(p); }
void store(double* p, Vector v) { _mm512_storeu_pd(p, v); }
#elif VELDA_LANES == 4
using Vector = __m256d;
Vector load(const double* p) { return _mm256_loadu_pd(p); }
void store(double* p, Vector v) { _mm256_storeu_pd(p, v); }
#elif VELDA_LANES == 2
using Vector = __m128d;
Vector load(const double* p) { return _mm_loadu_pd(p); }
void store(double* p, Vector v) { _mm_storeu_pd(p, v); }
#else
using Vector = double;
Vector load(const double* p) { return *p; }
void store(double* p, Vector v) { *p = v; }
#endif

// SLEEF declares its results const, which a plain function pointer does not take.
double log1(double r2) { return VELDA_SLEEF_FUNCTION(logd, 1, VELDA_SCALAR_ISA)(r2); }
double atan21(double y, double x) {
  return VELDA_SLEEF_FUNCTION(atan2d, 1, VELDA_SCALAR_ISA)(y, x);
}

void calls(int n, const double* r2A, const double* r2B, const double* y, const double* x,
           double* lnA, double* lnB, double* theta) {
  for (int i = 0; i < n; i += VELDA_LANES) {
    store(lnA + i, VELDA_SLEEF_FUNCTION(logd, VELDA_LANES, VELDA_ISA)(load(r2A + i)));
    store(lnB + i, VELDA_SLEEF_FUNCTION(logd, VELDA_LANES, VELDA_ISA)(load(r2B + i)));
    store(theta + i,
          VELDA_SLEEF_FUNCTION(atan2d, VELDA_LANES, VELDA_ISA)(load(y + i), load(x + i)));
  }
}

}  // namespace

const InfluenceMaths VELDA_PATH_TABLE = {VELDA_PATH_NAME, VELDA_PATH_FMA, calls, log1, atan21};

}  // namespace velda
