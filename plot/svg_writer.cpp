#include "plot/svg_writer.hpp"

#include <charconv>
#include <cmath>

#include "plot/plot_error.hpp"

namespace plot {
namespace {

constexpr int kDecimals = 2;  // a hundredth of a pixel

// Length of the UTF-8 sequence that starts at s[i], or 0 if none does.
std::size_t utf8_length(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  const std::size_t n = lead < 0x80           ? 1
                        : (lead >> 5) == 0x6  ? 2
                        : (lead >> 4) == 0xE  ? 3
                        : (lead >> 3) == 0x1E ? 4
                                              : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((byte(i + k) >> 6) != 0x2) return 0;
  return n;
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
    const char c = text[i];
    const std::size_t n = utf8_length(text, i);
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (n == 0 || (n == 1 && static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' &&
                        c != '\r'))
      out += '?';
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
