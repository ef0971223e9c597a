// The natural logarithms and arc tangents of the influence integrals, from
// SLEEF's deterministic functions (error at most 1 ULP). There are four
// builds of them, the paths; VELDA_SIMD names one:
//   avx512  8 lanes, AVX-512F and FMA    } the same bits for the same
//   avx2    4 lanes, AVX2 and FMA        } operands (SLEEF's finz_
//   scalar  1 lane, FMA                  } functions)
//   nofma   2 lanes, SSE2, no FMA (SLEEF's cinz_ functions, also 1 ULP, whose
//           last bit differs from the others' on some operands)
// Each path is compiled from influence_maths_path.cpp for its instruction set
// alone and holds no inline code, so that none of it can stand in for code of
// the other paths.
#pragma once

#include <span>

namespace velda {

// influence_batch hands the operands over in whole vectors of the widest
// path: arrays padded to a multiple of this many lanes.
inline constexpr int kMathsLanes = 8;

struct InfluenceMaths {
  const char* name;  // as VELDA_SIMD names the path
  bool fma;          // one of the paths with FMA, which all give the same bits

  // lnA[i] = ln(r2A[i]), lnB[i] = ln(r2B[i]), theta[i] = atan2(y[i], x[i])
  // for i = 0 ... n-1, n a multiple of kMathsLanes. On finite operands
  // 0 < r2 < kMathsLargest and |y|, |x| < kMathsLargest, not both 0, no path
  // raises a division-by-zero, overflow or invalid-operation flag.
  void (*calls)(int n, const double* r2A, const double* r2B, const double* y, const double* x,
                double* lnA, double* lnB, double* theta);

  // The same functions one operand at a time, with the same bits; on the
  // operands above they raise no such flag either.
  double (*log)(double);
  double (*atan2)(double, double);
};

// Past this, 2^900, the vector paths may raise a spurious overflow flag (the
// AVX2 and SSE2 ones do from 2^960 on) while still returning the right value.
inline constexpr double kMathsLargest = 0x1p900;

extern const InfluenceMaths kMathsAvx512, kMathsAvx2, kMathsScalar, kMathsNoFma;

// Every path built for this kind of processor, widest first.
std::span<const InfluenceMaths* const> influence_maths_paths();

// Whether this processor runs `path`.
bool processor_runs(const InfluenceMaths& path);

// The path the influence integrals use: the one chosen last, at first the
// widest the processor runs.
const InfluenceMaths& influence_maths();

// Chooses the path `name` names, or the widest the processor runs for a null
// or empty name. Throws std::invalid_argument, saying why, for an unknown
// name or a path the processor cannot run.
void choose_influence_maths(const char* name);

}  // namespace velda
