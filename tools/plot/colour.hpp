// Colours: the map of the potential and its scale, and the colours of the
// boundary-condition codes.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plot {

struct Rgb {
  double r = 0.0, g = 0.0, b = 0.0;  // each 0..1
};

// "#rrggbb".
std::string hex(Rgb c);

// The viridis map at t (0 dark violet .. 1 yellow; t is clamped to 0..1):
// its lightness rises evenly, so equal steps of potential look equal, and it
// stays readable in grey and to colour-blind eyes.
Rgb viridis(double t);

// Where a value lies in low..high, 0..1; the middle when the range is empty.
class ColourScale {
 public:
  ColourScale(double low, double high) : low_(low), high_(high) {}
  double fraction(double value) const;
  double low() const { return low_; }
  double high() const { return high_; }

  // At most `most` round values in low..high, a step of 1, 2, 2.5 or 5
  // times a power of ten apart, in increasing order; low alone when the
  // range is empty.
  std::vector<double> ticks(int most) const;
  // The same with steps of 1, 2 or 5 times a power of ten: the levels of
  // the field's bands and lines.
  std::vector<double> levels(int most) const;

 private:
  std::vector<double> round_values(int most, std::span<const double> steps) const;

  double low_, high_;
};

// The colour of a node's boundary-condition code, and what the code means.
std::string_view code_colour(int code);
std::string_view code_meaning(int code);

}  // namespace plot
