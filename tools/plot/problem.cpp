#include "tools/plot/problem.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "report/read_file.hpp"
#include "runcontrol/failure.hpp"
#include "textio/units.hpp"

namespace plot {
namespace {

constexpr int kInputUnit = 5;
constexpr int kEchoUnit = 6;
// The report prints six significant digits: a printed coordinate is within
// half a unit of the sixth digit of the true one. Coordinates that differ by
// more than this belong to a different problem.
constexpr double kPrintedPrecision = 1.0E-5;

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

Element element_of(const velda::Velda& v, int J, int boundary) {
  const Element e{{v.XP(J), v.YP(J)},     {v.XE(J), v.YE(J)}, {v.XN(J), v.YN(J)},
                  {v.TANX(J), v.TANY(J)}, v.KBC(J),           boundary};
  if (!finite(e.start) || !finite(e.end) || !finite(e.node) || !finite(e.tangent) ||
      !std::isfinite(v.ELEN(J)))
    throw PlotError("element " + std::to_string(J) + " of boundary " + std::to_string(boundary) +
                    " has coordinates too large to draw");
  return e;
}

// Every boundary with at least one element, in each of the program's mirror
// images; the identity, which the program takes last, comes first here.
std::vector<Piece> pieces_of(const Problem& p) {
  const velda::Images images = velda::mirror_images(p.ISYMX, p.ISYMY);
  std::vector<Piece> pieces;
  for (int k = images.count - 1; k >= 0; --k) {
    const velda::Image& image = images.image[k];
    for (std::size_t b = 0; b < p.boundaries.size(); ++b) {
      const Boundary& boundary = p.boundaries[b];
      if (boundary.count == 0) continue;
      Piece piece{static_cast<int>(b) + 1, image.KX < 0.0 || image.KY < 0.0, image.s, {}, {}};
      const Element* first = &p.elements[boundary.first];
      const auto mirror = [&](Point q) { return Point{image.KX * q.x, image.KY * q.y}; };
      piece.points.push_back(mirror(first->start));
      for (int k = 0; k < boundary.count; ++k) {
        piece.points.push_back(mirror(first[k].end));
        piece.elements.push_back(boundary.first + k + 1);
      }
      if (image.KX * image.KY < 0.0) {
        std::reverse(piece.points.begin(), piece.points.end());
        std::reverse(piece.elements.begin(), piece.elements.end());
      }
      pieces.push_back(std::move(piece));
    }
  }
  return pieces;
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
  p.pieces = pieces_of(p);
  std::vector<Point> all = p.internal;
  for (const Piece& piece : p.pieces)
    all.insert(all.end(), piece.points.begin(), piece.points.end());
  p.bounds = box_around(all);  // not empty: the input step refuses a problem without elements
  return p;
}

template <typename Row>
void check_places(const std::vector<Row>& rows, const std::vector<Point>& exact,
                  const std::string& kind, const std::string& mismatch) {
  if (rows.size() != exact.size())
    throw PlotError(mismatch + "it lists " + std::to_string(rows.size()) + " " + kind +
                    "s, the input has " + std::to_string(exact.size()));
  const auto close = [](double printed, double e) {
    return std::fabs(printed - e) <= kPrintedPrecision * std::fabs(e);
  };
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (!close(rows[i].at.x, exact[i].x) || !close(rows[i].at.y, exact[i].y))
      throw PlotError(mismatch + kind + " " + std::to_string(i + 1) + " is at " +
                      place(rows[i].at) + " in the report, at " + place(exact[i]) +
                      " in the input");
}

}  // namespace

Problem problem_from_text(const std::string& text, const std::string& name) {
  // The whole state of a run, about 21 MB: far too large for the stack.
  const auto v = std::make_shared<velda::Velda>();
  std::istringstream input(text);
  std::ostringstream echo, console;
  textio::Units u;
  u.input.connect(input, kInputUnit, name);
  u.report.connect(echo, kEchoUnit, "echo");
  u.console.connect(console, 0, {});
  try {
    velda::INPUMPC(*v, u);
  } catch (const runcontrol::Stop& refused) {
    throw PlotError("the input file '" + name + "' is refused: " + refused.reason);
  } catch (const runcontrol::Failure& failure) {
    throw PlotError("cannot read the input file '" + name + "': " + failure.reason());
  }
  velda::GEOM(*v);
  // The title as the echo shows it, read as every reader of reports reads it.
  Problem p = convert(*v, report::parse(echo.str(), name).title);
  p.state = v;
  return p;
}

Problem read_problem(const std::string& path) {
  return problem_from_text(report::read_file(path, "input file"), path);
}

void check_report_matches(const Problem& problem, const Results& results,
                          const std::string& input_name, const std::string& report_name) {
  const std::string mismatch =
      "the report '" + report_name + "' does not belong to the input file '" + input_name + "': ";
  std::vector<Point> nodes;
  for (const Element& e : problem.elements) nodes.push_back(e.node);
  check_places(results.nodes, nodes, "boundary node", mismatch);
  check_places(results.internal, problem.internal, "internal point", mismatch);
  for (std::size_t i = 0; i < results.internal.size(); ++i)
    if (!std::isfinite(length(results.internal[i].gradient)))
      throw PlotError("the report '" + report_name + "': the gradient at internal point " +
                      std::to_string(i + 1) + " is too large to draw");
}

}  // namespace plot
