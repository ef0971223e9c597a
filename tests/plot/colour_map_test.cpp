// The potential colour map and its scale.
#include "plot/colour_map.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Relative luminance of an sRGB colour (ITU-R BT.709 weights on linear light).
double luminance(plot::Rgb c) {
  const auto linear = [](double u) {
    return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// From dark violet to yellow, clamped outside [0, 1], and a higher
// potential always a lighter colour: the order of values survives in grey.
TEST(ColourMap, RunsFromDarkVioletToYellowGettingLighterAllTheWay) {
  EXPECT_EQ(plot::hex(plot::viridis(0.0)), "#440154");
  EXPECT_EQ(plot::hex(plot::viridis(1.0)), "#fde725");
  EXPECT_EQ(plot::hex(plot::viridis(-3.0)), "#440154");
  EXPECT_EQ(plot::hex(plot::viridis(std::nan(""))), "#440154");
  for (int i = 0; i < 200; ++i)
    EXPECT_LT(luminance(plot::viridis(i / 200.0)), luminance(plot::viridis((i + 1) / 200.0))) << i;
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
