// Richardson extrapolation with the observed order, from the last three
// levels of a sequence: with values f1, f2, f3 at mesh sizes h1 > h2 > h3 and
// an error C h^p, the order p solves
//   (f1 - f2) / (f2 - f3) = (h1^p - h2^p) / (h2^p - h3^p),
// which is 2^p when each level halves h; the error of the finest level is
//   e3 = (f2 - f3) h3^p / (h2^p - h3^p),
// and the extrapolated value f3 - e3.
#pragma once

#include <optional>
#include <span>

namespace converge {

// Orders a constant-element method can show: h^2 on smooth boundaries, down
// to h^(2/3) beside the sharpest corners. An order outside says the sequence
// is not yet in its asymptotic range.
inline constexpr double kMinOrder = 0.5;
inline constexpr double kMaxOrder = 4.0;

enum class Verdict {
  extrapolated,        // in the asymptotic range as far as three levels tell
  round_off,           // a difference at the level of rounding: nothing to extrapolate
  sign_change,         // the differences change sign: not settling monotonically
  order_out_of_range,  // the observed order is not one the method shows
};

struct Estimate {
  Verdict verdict = Verdict::round_off;
  std::optional<double> order;         // when the differences give one
  std::optional<double> extrapolated;  // only for Verdict::extrapolated
  std::optional<double> error;         // of the finest level: its value minus the extrapolated
};

// values[i] at mesh size h[i], coarse to fine, at least three; a difference
// not above `noise` counts as rounding.
Estimate estimate(std::span<const double> values, std::span<const double> h, double noise);

}  // namespace converge
