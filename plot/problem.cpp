#include "plot/problem.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string_view>

#include "2D/VELDA.hpp"
#include "plot/file_io.hpp"
#include "plot/plot_error.hpp"
#include "textio/failure.hpp"
#include "textio/units.hpp"

namespace plot {
namespace {

constexpr int kInputUnit = 5;
constexpr int kEchoUnit = 6;
constexpr std::size_t kTitleLength = 80;

std::string_view trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

std::string title_of(const std::string& text) {
  return std::string(
      trimmed(std::string_view(text).substr(0, text.find('\n')).substr(0, kTitleLength)));
}

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

Element element_of(const velda::Velda& v, int J, int boundary) {
  Element e;
  e.start = {v.XP(J), v.YP(J)};
  e.end = {v.XE(J), v.YE(J)};
  e.node = {v.XN(J), v.YN(J)};
  e.tangent = {v.TANX(J), v.TANY(J)};
  e.code = v.KBC(J);
  e.boundary = boundary;
  if (!finite(e.start) || !finite(e.end) || !finite(e.node) || !finite(e.tangent) ||
      !std::isfinite(v.ELEN(J)))
    throw PlotError("element " + std::to_string(J) + " of boundary " + std::to_string(boundary) +
                    " has coordinates too large to draw");
  return e;
}

// Boundary b holds the points LASTND(b-1)+1 .. LASTND(b), and so the elements
// from LASTND(b-1)+2-b on, one fewer than its points. The input step has
// checked that these lists are consistent.
Problem convert(const velda::Velda& v, const std::string& title) {
  Problem p;
  p.title = title;
  p.ISYMX = v.ISYMX;
  p.ISYMY = v.ISYMY;
  int F = 1;
  for (int b = 1; b <= v.NBND; ++b) {
    const Boundary boundary{F - b, v.LASTND(b) - F};
    for (int J = boundary.first + 1; J <= boundary.first + boundary.count; ++J)
      p.elements.push_back(element_of(v, J, b));
    p.boundaries.push_back(boundary);
    F = v.LASTND(b) + 1;
  }
  for (int J = 1; J <= std::max(v.NINTP, 0); ++J) {
    p.internal.push_back({v.XINT(J), v.YINT(J)});
    if (!finite(p.internal.back()))
      throw PlotError("internal point " + std::to_string(J) + " has coordinates too large to draw");
  }
  return p;
}

}  // namespace

Problem problem_from_text(const std::string& text, const std::string& name) {
  // The whole state of a run, about 21 MB: far too large for the stack.
  const auto v = std::make_unique<velda::Velda>();
  std::istringstream input(text);
  std::ostringstream echo, console;
  textio::Units u;
  u.input.connect(input, kInputUnit, name);
  u.report.connect(echo, kEchoUnit, "echo");
  u.console.connect(console, 0, {});
  try {
    velda::INPUMPC(*v, u);
  } catch (const textio::Stop& refused) {
    throw PlotError("the input file '" + name + "' is refused: " + refused.reason);
  } catch (const textio::Failure& failure) {
    throw PlotError("cannot read the input file '" + name + "': " + failure.reason());
  }
  velda::GEOM(*v);
  return convert(*v, title_of(text));
}

Problem read_problem(const std::string& path) {
  return problem_from_text(read_file(path, "input file"), path);
}

}  // namespace plot
