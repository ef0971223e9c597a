#include "bench/maths_floor.hpp"

#include <cmath>

#include "2D/INFL2D.hpp"
#include "2D/images.hpp"
#include "2D/influence_maths.hpp"
#include "2D/influence_operands.hpp"

namespace bench {
namespace {

constexpr double kDelta = 1.0E-4;  // the difference step of the internal points

}  // namespace

MathsOperands sample_operands(const velda::Velda& v, int count) {
  const velda::Images m = velda::mirror_images(v.ISYMX, v.ISYMY);
  const double assembly_calls = double(v.NELEM) * v.NELEM;
  const double internal_calls = 3.0 * v.NINTP * v.NELEM;
  const int assembly_every = int(std::lround((assembly_calls + internal_calls) / assembly_calls));
  MathsOperands sample;
  for (int s = 0; s < count; ++s) {
    const velda::Image& im = m.image[(s + s / assembly_every) % m.count];
    // Strides prime to the counts visit the pairs evenly.
    const int J = 1 + int((s * 7919LL) % v.NELEM);
    double X, Y;
    if (s % assembly_every == 0) {
      const int I = 1 + int((s * 104729LL) % v.NELEM);
      X = v.XN(I);
      Y = v.YN(I);
    } else {
      const int i = 1 + int((s * 15485863LL) % v.NINTP);
      X = v.XINT(i) + (s % 3 == 1 ? kDelta : 0.0);
      Y = v.YINT(i) + (s % 3 == 2 ? kDelta : 0.0);
    }
    const velda::InfluenceOperands o = velda::influence_operands(v, im.KX * X, im.KY * Y, J);
    sample.r2A.push_back(o.r2A);
    sample.r2B.push_back(o.r2B);
    sample.y.push_back(o.y);
    sample.x.push_back(o.x);
  }
  return sample;
}

double sleef_floor(const MathsOperands& sample, long long calls) {
  const velda::InfluenceMaths& maths = velda::influence_maths();
  constexpr int n = velda::kInfluenceBatch;
  double lnA[n], lnB[n], theta[n];
  double sum = 0.0;
  std::size_t s = 0;
  for (long long c = 0; c < calls; c += n) {
    maths.calls(n, &sample.r2A[s], &sample.r2B[s], &sample.y[s], &sample.x[s], lnA, lnB, theta);
    sum += lnA[0] + lnB[n - 1] + theta[n / 2];
    s += n;
    if (s == sample.r2A.size()) s = 0;
  }
  return sum;
}

double libm_floor(const MathsOperands& sample, long long calls) {
  double sum = 0.0;
  std::size_t s = 0;
  for (long long c = 0; c < calls; ++c) {
    sum += std::log(sample.r2A[s]) + std::log(sample.r2B[s]) + std::atan2(sample.y[s], sample.x[s]);
    if (++s == sample.r2A.size()) s = 0;
  }
  return sum;
}

}  // namespace bench
