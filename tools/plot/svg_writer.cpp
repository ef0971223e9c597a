#include "tools/plot/svg_writer.hpp"

#include <charconv>
#include <cmath>

#include "textio/printable.hpp"
#include "tools/plot/plot_error.hpp"

namespace plot {
namespace {

constexpr int kDecimals = 2;  // a hundredth of a pixel

// Whether XML 1.0 allows the character in a document (surrogates and values
// above U+10FFFF are no characters at all). CR is left out too: a parser
// would turn it into a line end or a blank.
bool is_xml_char(char32_t c) {
  return c == '\t' || c == '\n' || (0x20 <= c && c <= 0xD7FF) || (0xE000 <= c && c <= 0xFFFD) ||
         (0x10000 <= c && c <= 0x10FFFF);
}

}  // namespace

std::string number(double value) {
  if (!std::isfinite(value)) throw PlotError("a place on the picture came out as no finite number");
  char text[64];
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, kDecimals).ptr;
  std::string s(text, end);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::string point_list(const std::vector<Point>& points) {
  std::string s;
  for (const Point& p : points) {
    if (!s.empty()) s += ' ';
    s += number(p.x) + ',' + number(p.y);
  }
  return s;
}

std::string path_data(const std::vector<Point>& points, bool closed) {
  std::string d;
  for (const Point& p : points) d += (d.empty() ? "M" : " L") + number(p.x) + "," + number(p.y);
  return closed ? d + " Z" : d;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = 0;
    const std::size_t n = textio::utf8_sequence(text, i, c);
    if (n == 0 || !is_xml_char(c))
      out += '?';
    else if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out.append(text.substr(i, n));
    i += n == 0 ? 1 : n;
  }
  return out;
}

SvgWriter::SvgWriter(std::string_view style_sheet) : style_sheet_(style_sheet) {}

void SvgWriter::start_tag(std::string_view tag, const Attributes& attributes) {
  out_ += '<';
  out_ += tag;
  for (const Attribute& a : attributes) {
    out_ += ' ';
    out_ += a.name;
    out_ += "=\"" + escaped(a.value) + '"';
  }
}

void SvgWriter::open(std::string_view tag, const Attributes& attributes) {
  start_tag(tag, attributes);
  out_ += ">\n";
  open_.emplace_back(tag);
}

void SvgWriter::close() {
  out_ += "</" + open_.back() + ">\n";
  open_.pop_back();
}

void SvgWriter::element(std::string_view tag, const Attributes& attributes) {
  start_tag(tag, attributes);
  out_ += "/>\n";
}

void SvgWriter::text(const Attributes& attributes, std::string_view content) {
  start_tag("text", attributes);
  out_ += '>' + escaped(content) + "</text>\n";
}

std::string SvgWriter::finish(double width, double height, std::string_view background) {
  while (!open_.empty()) close();
  std::string body = std::move(out_);
  out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
               {"width", number(width)},
               {"height", number(height)},
               {"viewBox", "0 0 " + number(width) + " " + number(height)}});
  out_ += "<style>" + escaped(style_sheet_) + "</style>\n";
  element("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", std::string(background)}});
  out_ += body;
  close();
  return std::move(out_);
}

}  // namespace plot
