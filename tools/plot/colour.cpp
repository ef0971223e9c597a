// The viridis map, round values for a scale, and the palette of the codes.
#include "tools/plot/colour.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "2D/codes.hpp"

namespace plot {
namespace {

constexpr double kLevels = 255.0;  // steps of one 8-bit colour channel

// Ten control colours of viridis, equally spaced from t = 0 to t = 1; the
// map between them is interpolated linearly.
constexpr std::array<Rgb, 10> kViridis{{
    {0x44 / kLevels, 0x01 / kLevels, 0x54 / kLevels},
    {0x48 / kLevels, 0x28 / kLevels, 0x78 / kLevels},
    {0x3e / kLevels, 0x4a / kLevels, 0x89 / kLevels},
    {0x31 / kLevels, 0x68 / kLevels, 0x8e / kLevels},
    {0x26 / kLevels, 0x82 / kLevels, 0x8e / kLevels},
    {0x1f / kLevels, 0x9e / kLevels, 0x89 / kLevels},
    {0x35 / kLevels, 0xb7 / kLevels, 0x79 / kLevels},
    {0x6d / kLevels, 0xcd / kLevels, 0x59 / kLevels},
    {0xb4 / kLevels, 0xde / kLevels, 0x2c / kLevels},
    {0xfd / kLevels, 0xe7 / kLevels, 0x25 / kLevels},
}};

// Steps between ticks, and between contour levels, times a power of ten.
constexpr std::array<double, 5> kTickSteps{1.0, 2.0, 2.5, 5.0, 10.0};
constexpr std::array<double, 4> kLevelSteps{1.0, 2.0, 5.0, 10.0};
// Rounding that a tick may carry and still count as inside the range.
constexpr double kTickSlack = 1.0E-9;

int channel(double c) { return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * kLevels)); }

// Colours of the boundary-condition codes (Okabe and Ito's palette, which
// colour-blind readers can tell apart).
constexpr std::string_view kPotentialColour = "#0072b2";
constexpr std::string_view kGroupColour = "#cc79a7";
constexpr std::string_view kDerivativeColour = "#e69f00";
constexpr std::string_view kImpedanceColour = "#009e73";
constexpr std::string_view kInterfaceColour = "#d55e00";

}  // namespace

std::string hex(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", channel(c.r), channel(c.g), channel(c.b));
  return text;
}

Rgb viridis(double t) {
  const double at = std::clamp(std::isnan(t) ? 0.0 : t, 0.0, 1.0) * (kViridis.size() - 1);
  const std::size_t i = std::min(static_cast<std::size_t>(at), kViridis.size() - 2);
  const double f = at - static_cast<double>(i);
  const Rgb& a = kViridis[i];
  const Rgb& b = kViridis[i + 1];
  return {a.r + f * (b.r - a.r), a.g + f * (b.g - a.g), a.b + f * (b.b - a.b)};
}

// (value - low) / (high - low), computed on halves when the difference of
// two large values would overflow.
double ColourScale::fraction(double value) const {
  if (!(high_ > low_)) return 0.5;
  const double t = std::isfinite(high_ - low_)
                       ? (value - low_) / (high_ - low_)
                       : (0.5 * value - 0.5 * low_) / (0.5 * high_ - 0.5 * low_);
  return std::clamp(t, 0.0, 1.0);
}

std::vector<double> ColourScale::ticks(int most) const { return round_values(most, kTickSteps); }

std::vector<double> ColourScale::levels(int most) const { return round_values(most, kLevelSteps); }

std::vector<double> ColourScale::round_values(int most, std::span<const double> steps) const {
  const double range = high_ - low_;
  if (!(range > 0.0) || !std::isfinite(range) || most < 2) return {low_};
  const double least_step = range / (most - 1);
  const double power = std::pow(10.0, std::floor(std::log10(least_step)));
  double step = steps.back() * power;
  for (double m : steps)
    if (m * power >= least_step) {
      step = m * power;
      break;
    }
  std::vector<double> values;
  const double first = std::ceil(low_ / step);
  for (int k = 0; (first + k) * step <= high_ + kTickSlack * step; ++k) {
    const double v = (first + k) * step;
    values.push_back(std::fabs(v) < kTickSlack * step ? 0.0 : v);  // no 1e-17 for 0
  }
  return values;
}

std::string_view code_colour(int code) {
  if (code < 0) return kGroupColour;
  if (code == velda::KBC_DERIVATIVE) return kDerivativeColour;
  if (code == velda::KBC_IMPEDANCE) return kImpedanceColour;
  if (code == velda::KBC_INTERFACE) return kInterfaceColour;
  return kPotentialColour;
}

std::string_view code_meaning(int code) {
  if (code < 0) return "-k: potential given, group k";
  if (code == velda::KBC_DERIVATIVE) return "1: normal derivative given";
  if (code == velda::KBC_IMPEDANCE) return "2: potential behind impedance";
  if (code == velda::KBC_INTERFACE) return "3: interface to medium EPS";
  return "0: potential given";
}

}  // namespace plot
