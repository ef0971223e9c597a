// A small writer of SVG markup: elements with attributes, text escaped for
// XML, numbers in a fixed short form that is never "nan" or "inf".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lib/point.hpp"

namespace plot {

using lib::Point;

struct Attribute {
  std::string_view name;
  std::string value;
};
using Attributes = std::vector<Attribute>;

// A length or coordinate on the picture, to two decimals: "12.5", "-3".
// Throws a PlotError for a number that is not finite.
std::string number(double value);

// "x1,y1 x2,y2 ..." for the points attribute of a polyline or polygon.
std::string point_list(const std::vector<Point>& points);

// Path data through the points, "M x,y L x,y ...", closed with Z or not.
std::string path_data(const std::vector<Point>& points, bool closed);

// Text made safe as XML character data or attribute value: markup
// characters escaped; bytes that are not well-formed UTF-8 and characters
// XML does not allow (controls other than tab and line feed, U+FFFE, U+FFFF)
// replaced by '?'.
std::string escaped(std::string_view text);

class SvgWriter {
 public:
  // Starts a document with a style sheet of classes; its size is given at
  // the end, when everything on it has been placed.
  explicit SvgWriter(std::string_view style_sheet);

  void open(std::string_view tag, const Attributes& attributes = {});
  void close();                                                      // the element opened last
  void element(std::string_view tag, const Attributes& attributes);  // with no content
  void text(const Attributes& attributes, std::string_view content);

  // The finished document of the given size in pixels, on a background of
  // the given colour; every open element is closed.
  std::string finish(double width, double height, std::string_view background);

 private:
  void start_tag(std::string_view tag, const Attributes& attributes);

  std::string style_sheet_;
  std::string out_;                // the body
  std::vector<std::string> open_;  // tags to close, innermost last
};

}  // namespace plot
