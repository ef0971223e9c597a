#include "tools/converge/richardson.hpp"

#include <cassert>
#include <cmath>

namespace converge {
namespace {

// The bracket searched for the order: wide enough to name an order outside
// the sane range, and the bisection steps that narrow it to rounding.
constexpr double kLowestOrder = 1.0E-3;
constexpr double kHighestOrder = 16.0;
constexpr int kBisections = 100;

// (h1^p - h2^p) / (h2^p - h3^p): increases with p, from
// ln(h1/h2) / ln(h2/h3) at p = 0.
double ratio(double p, double h1, double h2, double h3) {
  return (std::pow(h1, p) - std::pow(h2, p)) / (std::pow(h2, p) - std::pow(h3, p));
}

std::optional<double> observed_order(double R, double h1, double h2, double h3) {
  double low = kLowestOrder, high = kHighestOrder;
  if (R < ratio(low, h1, h2, h3) || R > ratio(high, h1, h2, h3)) return std::nullopt;
  for (int i = 0; i < kBisections; ++i) {
    const double mid = 0.5 * (low + high);
    (ratio(mid, h1, h2, h3) < R ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

}  // namespace

Estimate estimate(std::span<const double> values, std::span<const double> h, double noise) {
  assert(values.size() == h.size() && values.size() >= 3);
  const std::size_t n = values.size();
  const double f1 = values[n - 3], f2 = values[n - 2], f3 = values[n - 1];
  assert(h[n - 3] > h[n - 2] && h[n - 2] > h[n - 1] && h[n - 1] > 0.0);
  // Relative to the finest, so that no power overflows whatever the units.
  const double h1 = h[n - 3] / h[n - 1], h2 = h[n - 2] / h[n - 1], h3 = 1.0;
  const double d12 = f1 - f2, d23 = f2 - f3;
  Estimate e;
  if (std::fabs(d12) <= noise || std::fabs(d23) <= noise) return e;
  e.verdict = Verdict::sign_change;
  if ((d12 < 0.0) != (d23 < 0.0)) return e;
  e.verdict = Verdict::order_out_of_range;
  e.order = observed_order(d12 / d23, h1, h2, h3);
  if (!e.order || *e.order < kMinOrder || *e.order > kMaxOrder) return e;
  const double p = *e.order;
  e.verdict = Verdict::extrapolated;
  e.error = d23 / (std::pow(h2, p) - 1.0);
  e.extrapolated = f3 - *e.error;
  return e;
}

}  // namespace converge
