#include "bench/libm_floor.hpp"

#include <cmath>

#include "2D/images.hpp"

namespace bench {
namespace {

// The field point (X, Y) and element J as the influence routine sees them.
LibmArguments arguments(const velda::Velda& v, double X, double Y, int J) {
  const double DXA = X - v.XP(J), DYA = Y - v.YP(J);
  const double sA = -(v.TANY(J) * DYA + v.TANX(J) * DXA);
  const double sB = v.ELEN(J) + sA;
  const double d = v.TANY(J) * DXA - v.TANX(J) * DYA;
  return {sA * sA + d * d, sB * sB + d * d, (sA - sB) * d, sA * sB + d * d};
}

constexpr double kDelta = 1.0E-4;  // the difference step of the internal points

}  // namespace

std::vector<LibmArguments> sample_arguments(const velda::Velda& v, int count) {
  const velda::Images m = velda::mirror_images(v.ISYMX, v.ISYMY);
  const double assembly_calls = double(v.NELEM) * v.NELEM;
  const double internal_calls = 3.0 * v.NINTP * v.NELEM;
  const int assembly_every = int(std::lround((assembly_calls + internal_calls) / assembly_calls));
  std::vector<LibmArguments> sample;
  sample.reserve(count);
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
    sample.push_back(arguments(v, im.KX * X, im.KY * Y, J));
  }
  return sample;
}

double floor_loop(const std::vector<LibmArguments>& sample, long long calls) {
  double sum = 0.0;
  std::size_t s = 0;
  for (long long c = 0; c < calls; ++c) {
    const LibmArguments& a = sample[s];
    sum += std::log(a.r2A) + std::log(a.r2B) + std::atan2(a.y, a.x);
    if (++s == sample.size()) s = 0;
  }
  return sum;
}

}  // namespace bench
