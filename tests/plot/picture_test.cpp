// The picture is one well-formed SVG document that shows what it must.
#include "plot/picture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "2D/memory_run.hpp"
#include "plot/colour_map.hpp"
#include "plot/examine.hpp"
#include "plot/plot_error.hpp"
#include "plot/shapes.hpp"
#include "plot/svg_writer.hpp"
#include "plot/xml_check.hpp"

namespace {

using plot_test::count_elements;
using plot_test::xml_fault;

int occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string picture_of(const plot_test::Shape& shape, const plot::Results* results = nullptr) {
  const plot::Problem problem = plot_test::problem_of(shape);
  return plot::draw_picture(problem, plot::examine(problem), results, "shape.in",
                            results ? "shape.out" : "");
}

// The checker must be able to fail, or the tests below prove nothing.
TEST(XmlCheck, FindsTheFaultsOfBrokenDocuments) {
  EXPECT_EQ(xml_fault("<a><b x=\"1\"/>t &amp; &#38; u</a>"), "");
  for (const char* broken :
       {"<a><b></a>", "<a>", "<a x=1/>", "<a x=\"1\" x=\"2\"/>", "<a>fish & chips</a>",
        "<a>&nbsp;</a>", "<a/><b/>", "<a y=\"<\"/>", "text<a/>"})
    EXPECT_NE(xml_fault(broken), "") << broken;
}

TEST(Picture, ProblemAloneIsWellFormedWithOnePolylinePerBoundary) {
  const std::string svg = picture_of(plot_test::annulus());
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_EQ(count_elements(svg, "polyline"), 2);
  EXPECT_EQ(count_elements(svg, "svg"), 1);
  EXPECT_EQ(occurrences(svg, "class=\"node\""), 24 + 2);  // the nodes and two legend entries
  EXPECT_NE(svg.find(">group 1</text>"), std::string::npos);
  EXPECT_EQ(svg.find("Warning"), std::string::npos);
}

TEST(Picture, ResultsColourNodesAndPointsByPotential) {
  const plot_test::Shape shape = plot_test::annulus();
  const auto run = velda_test::run_in_memory(plot_test::input_text(shape));
  ASSERT_EQ(run.status, 0) << run.error;
  const plot::Results results = plot::parse_report(run.report(), "OUT");
  const std::string svg = picture_of(shape, &results);
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_EQ(count_elements(svg, "polyline"), 2);
  // The hole's nodes hold the highest potential, 1, the outer nodes the
  // lowest, 0: the two ends of the map.
  EXPECT_EQ(occurrences(svg, "fill=\"" + plot::hex(plot::viridis(1.0)) + "\""), 8);
  EXPECT_EQ(occurrences(svg, "fill=\"" + plot::hex(plot::viridis(0.0)) + "\""), 16);
  EXPECT_EQ(occurrences(svg, "class=\"valued\""), 6);
  EXPECT_EQ(count_elements(svg, "linearGradient"), 1);
  EXPECT_NE(svg.find("class=\"gradient\" d=\"M"), std::string::npos);
}

TEST(Picture, SymmetryShowsTheAxisAndTheMirrorImageFaintly) {
  plot_test::Shape s;
  s.ISYMX = -1;  // the half x >= 0 of a rectangle, closed by its image
  s.boundaries = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
  const std::string svg = picture_of(s);
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_EQ(count_elements(svg, "polyline"), 1);
  EXPECT_EQ(occurrences(svg, "class=\"image\""), 1 + 1);  // and its legend entry
  EXPECT_NE(svg.find(">x = 0: antisymmetric</text>"), std::string::npos);
  EXPECT_EQ(svg.find("Warning"), std::string::npos);
}

TEST(Picture, WarningsAreListedAndMarked) {
  const std::string svg = picture_of(plot_test::annulus(true));
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_NE(svg.find(">Warning</text>"), std::string::npos);
  EXPECT_NE(svg.find("Boundary 2 lies inside boundary 1"), std::string::npos);
  EXPECT_EQ(occurrences(svg, "class=\"halo\""), 1);
}

TEST(Picture, MarkupAndStrayBytesInTheTitleAreMadeSafe) {
  plot_test::Shape s = plot_test::annulus();
  s.title = "<A & \"B\"> \xE9t\xC3\xA9";
  const std::string svg = picture_of(s);
  EXPECT_EQ(xml_fault(svg), "");
  EXPECT_NE(svg.find(">&lt;A &amp; &quot;B&quot;&gt; ?t\xC3\xA9</text>"), std::string::npos);
}

TEST(SvgWriter, NumbersAreShortAndAlwaysFinite) {
  const std::pair<double, const char*> cases[] = {{12.5, "12.5"},   {3.0, "3"},
                                                  {-0.001, "0"},    {-2.125, "-2.12"},
                                                  {640.004, "640"}, {0.07, "0.07"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(plot::number(value), text) << value;
  EXPECT_THROW(plot::number(std::nan("")), plot::PlotError);
  EXPECT_THROW(plot::number(std::numeric_limits<double>::infinity()), plot::PlotError);
}

TEST(SvgWriter, TextIsEscapedForXml) {
  EXPECT_EQ(plot::escaped("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
  EXPECT_EQ(plot::escaped("\x01x\x7f\xC3\xA9\xFF"), "?x\x7f\xC3\xA9?");
  EXPECT_EQ(plot::escaped("\xE2\x82"), "??");  // a cut sequence
}

}  // namespace
