// The potential colour map and its scale.
#include "plot/colour_map.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Relative luminance of an sRGB colour (ITU-R BT.709 weights on linear light).
double luminance(plot::Rgb c) {
  const auto linear = [](double u) {
    return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

TEST(ColourMap, RunsFromDarkVioletToYellow) {
  EXPECT_EQ(plot::hex(plot::viridis(0.0)), "#440154");
  EXPECT_EQ(plot::hex(plot::viridis(1.0)), "#fde725");
  EXPECT_EQ(plot::hex(plot::viridis(-3.0)), "#440154");  // clamped
  EXPECT_EQ(plot::hex(plot::viridis(std::nan(""))), "#440154");
}

// What makes the map readable: a higher potential is always a lighter
// colour, so the order of values survives in grey.
TEST(ColourMap, LightnessRisesAllTheWay) {
  constexpr int kSteps = 200;
  for (int i = 0; i < kSteps; ++i)
    EXPECT_LT(luminance(plot::viridis(double(i) / kSteps)),
              luminance(plot::viridis(double(i + 1) / kSteps)))
        << "at step " << i;
}

TEST(ColourScale, PlacesValuesInItsRange) {
  const plot::ColourScale scale(-2.0, 6.0);
  EXPECT_DOUBLE_EQ(scale.fraction(-2.0), 0.0);
  EXPECT_DOUBLE_EQ(scale.fraction(0.0), 0.25);
  EXPECT_DOUBLE_EQ(scale.fraction(9.0), 1.0);
  EXPECT_DOUBLE_EQ(plot::ColourScale(3.0, 3.0).fraction(3.0), 0.5);
  const double huge = std::numeric_limits<double>::max();
  EXPECT_DOUBLE_EQ(plot::ColourScale(-huge, huge).fraction(0.0), 0.5);
}

TEST(ColourScale, TicksAreRoundValuesInsideTheRange) {
  struct Case {
    double low, high;
    std::vector<double> ticks;
  };
  const Case cases[] = {
      {-0.0037, 1.0, {0.0, 0.25, 0.5, 0.75, 1.0}},
      {0.0, 10.0, {0.0, 2.0, 4.0, 6.0, 8.0, 10.0}},
      {-3.3, 0.7, {-3.0, -2.0, -1.0, 0.0}},
      {1000.0, 1003.0, {1000.0, 1001.0, 1002.0, 1003.0}},
      {-0.3, 0.3, {-0.2, 0.0, 0.2}},
      {2.0, 2.0, {2.0}},
  };
  for (const Case& c : cases) {
    const auto ticks = plot::ColourScale(c.low, c.high).ticks(6);
    ASSERT_EQ(ticks.size(), c.ticks.size()) << c.low << " .. " << c.high;
    for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], c.ticks[i], 1e-12);
  }
}

}  // namespace
