// The picture is one well-formed SVG document that shows what it must, its
// colours and its numbers.
#include "tools/plot/picture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/plot_shapes.hpp"
#include "tests/support/text.hpp"
#include "tools/plot/colour.hpp"
#include "tools/plot/svg_writer.hpp"

namespace {

using test_support::occurrences;
using test_support::xml_fault;

std::string picture_of(const test_support::Shape& shape, const plot::Results* results = nullptr) {
  const plot::Problem problem = test_support::problem_of(shape);
  return plot::draw_picture(problem, geometry::examine(problem), results, nullptr, "shape.in",
                            results ? "shape.out" : "");
}

// The annulus, and the half x >= 0 of a rectangle closed by its
// antisymmetric image, which is drawn faintly: each boundary is one polyline,
// each node shown once and in the legend, each image once.
TEST(Picture, ProblemAloneIsWellFormedWithOnePolylinePerBoundary) {
  test_support::Shape half;
  half.ISYMX = -1;
  half.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
  const struct {
    test_support::Shape shape;
    int polylines;
    const char* mark;
    int marks;
    const char* legend;
  } cases[] = {{test_support::annulus(), 2, "class=\"node\"", 24 + 2, ">group 1</text>"},
               {half, 1, "class=\"image\"", 1, ">x = 0: antisymmetric</text>"}};
  for (const auto& c : cases) {
    const std::string svg = picture_of(c.shape);
    EXPECT_EQ(xml_fault(svg), "");
    EXPECT_EQ(occurrences(svg, "<svg "), 1);
    EXPECT_EQ(occurrences(svg, "<polyline "), c.polylines);
    EXPECT_EQ(occurrences(svg, c.mark), c.marks);
    EXPECT_NE(svg.find(c.legend), std::string::npos);
    EXPECT_EQ(svg.find("Warning"), std::string::npos);
  }
}

TEST(Picture, ResultsColourNodesAndPointsByPotential) {
  const test_support::Shape shape = test_support::annulus();
  const plot::Results results = test_support::solved_case(test_support::input_text(shape)).results;
  const std::string svg = picture_of(shape, &results);
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_EQ(occurrences(svg, "<polyline "), 2);
  // The hole's nodes hold the highest potential, 1, the outer nodes the
  // lowest, 0: the two ends of the map.
  EXPECT_EQ(occurrences(svg, "fill=\"" + plot::hex(plot::viridis(1.0)) + "\""), 8);
  EXPECT_EQ(occurrences(svg, "fill=\"" + plot::hex(plot::viridis(0.0)) + "\""), 16);
  EXPECT_EQ(occurrences(svg, "class=\"valued\""), 6);
  EXPECT_EQ(occurrences(svg, "<linearGradient "), 1);
  EXPECT_NE(svg.find("class=\"gradient\" d=\"M"), std::string::npos);
  EXPECT_NE(svg.find(">longest arrow (30 px): "), std::string::npos);
}

TEST(Picture, WarningsAreListedAndMarked) {
  const std::string svg = picture_of(test_support::annulus(true));
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_NE(svg.find(">Warning</text>"), std::string::npos);
  EXPECT_NE(svg.find("Boundary 2 lies inside boundary 1"), std::string::npos);
  EXPECT_EQ(occurrences(svg, "class=\"halo\""), 1);
}

// Every byte of the title that is not a character XML allows becomes '?':
// stray and overlong bytes, surrogates, U+FFFE, U+FFFF, beyond U+10FFFF,
// controls.
TEST(Picture, MarkupAndStrayBytesInTheTitleAreMadeSafe) {
  const std::pair<std::string, std::string> titles[] = {
      {" <A & \"B\"> \xE9t\xC3\xA9", "&lt;A &amp; &quot;B&quot;&gt; ?t\xC3\xA9"},
      {" a\xC0\xAF|\xED\xA0\x80|\xEF\xBF\xBE\xEF\xBF\xBF|\xF4\x90\x80\x80|\x01\x1B\r|"
       "\xF0\x9F\x98\x80",
       "a??|???|??|????|???|\xF0\x9F\x98\x80"},
  };
  for (const auto& [title, shown] : titles) {
    test_support::Shape s = test_support::annulus();
    s.title = title;
    const std::string svg = picture_of(s);
    EXPECT_EQ(xml_fault(svg), "");
    EXPECT_NE(svg.find(">" + shown + "</text>"), std::string::npos) << shown;
  }
}

TEST(SvgWriter, NumbersAreShortAndAlwaysFinite) {
  const std::pair<double, const char*> cases[] = {{12.5, "12.5"},   {3.0, "3"},
                                                  {-0.001, "0"},    {-2.125, "-2.12"},
                                                  {640.004, "640"}, {0.07, "0.07"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(plot::number(value), text) << value;
  EXPECT_THROW(plot::number(std::nan("")), plot::PlotError);
  EXPECT_THROW(plot::number(std::numeric_limits<double>::infinity()), plot::PlotError);
}

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
  const std::pair<std::pair<double, double>, std::vector<double>> cases[] = {
      {{-0.0037, 1.0}, {0.0, 0.25, 0.5, 0.75, 1.0}},
      {{0.0, 10.0}, {0.0, 2.0, 4.0, 6.0, 8.0, 10.0}},
      {{-3.3, 0.7}, {-3.0, -2.0, -1.0, 0.0}},
      {{1000.0, 1003.0}, {1000.0, 1001.0, 1002.0, 1003.0}},
      {{-0.3, 0.3}, {-0.2, 0.0, 0.2}},
      {{2.0, 2.0}, {2.0}},
  };
  for (const auto& [range, expected] : cases) {
    const auto ticks = plot::ColourScale(range.first, range.second).ticks(6);
    ASSERT_EQ(ticks.size(), expected.size()) << range.first << " .. " << range.second;
    for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], expected[i], 1e-12);
  }
}

}  // namespace
