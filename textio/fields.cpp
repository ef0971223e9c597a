#include "textio/fields.hpp"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace textio {
namespace {

constexpr int kSignificant = 17;  // digits of the decimal form a real is first put into
// Digits asked of to_chars beyond kSignificant: enough that a carry from its
// own rounding reaches digit kSignificant + 1 only when all of them are zero.
constexpr int kGuardDigits = 24;
// More than the longest exact decimal expansion of a double (767 digits).
constexpr int kExactDigits = 780;

std::string right_aligned(const std::string& text, int w) {
  if (static_cast<int>(text.size()) > w) return std::string(w, '*');
  return std::string(w - text.size(), ' ') + text;
}

// Significant decimal digits of |value| > 0 and the power of ten of the
// first one, taken from to_chars with `precision` digits after the point.
struct Digits {
  std::string digits;
  int exponent;
};

Digits decimal_digits(double magnitude, int precision) {
  char buffer[kExactDigits + 16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, precision);
  assert(result.ec == std::errc());
  const std::string_view text(buffer, result.ptr - buffer);  // d.ddd...e+XX
  const auto e = text.find('e');
  Digits out;
  out.digits.reserve(precision + 1);
  out.digits += text[0];
  out.digits.append(text.substr(2, e - 2));
  out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return out;
}

// The first kSignificant + 1 digits of the exact decimal expansion of
// |value|, not rounded.
Digits leading_exact_digits(double magnitude) {
  Digits d = decimal_digits(magnitude, kSignificant + kGuardDigits - 1);
  const bool carry_possible =
      d.digits.find_first_not_of('0', kSignificant + 1) == std::string::npos;
  if (carry_possible) d = decimal_digits(magnitude, kExactDigits);
  d.digits.resize(kSignificant + 1);
  return d;
}

// Rounds a digit string half up to n digits: the digit after the n-th, if
// any, decides.
// A carry out of the first digit gives 1 followed by zeros and raises the
// exponent by one.
void round_half_up(Digits& d, int n) {
  const bool up = n < static_cast<int>(d.digits.size()) && d.digits[n] >= '5';
  d.digits.resize(n);
  if (!up) return;
  for (int i = n - 1; i >= 0; --i) {
    if (d.digits[i] != '9') {
      ++d.digits[i];
      return;
    }
    d.digits[i] = '0';
  }
  d.digits[0] = '1';
  ++d.exponent;
}

std::string exponent_text(int exponent) {
  const int magnitude = std::abs(exponent);
  std::string text = magnitude <= 99 ? "E" : "";
  text += exponent < 0 ? '-' : '+';
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

}  // namespace

std::string integer_field(int value, int w) { return right_aligned(std::to_string(value), w); }

std::string real_field(double value, int w, int d) {
  assert(std::isfinite(value));
  if (value == 0.0) return right_aligned("0." + std::string(d, '0') + "E+00", w);

  Digits digits = leading_exact_digits(std::fabs(value));
  round_half_up(digits, kSignificant);
  round_half_up(digits, d + 1);

  std::string text;
  if (value < 0) text += '-';
  text += digits.digits[0];
  text += '.';
  text.append(digits.digits, 1, d);
  text += exponent_text(digits.exponent);
  return right_aligned(text, w);
}

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kAround = " \t\f\r\n";
  const auto first = text.find_first_not_of(kAround);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kAround) - first + 1);
}

}  // namespace textio
