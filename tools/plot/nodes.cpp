// Internal points and boundary nodes. Without results a node shows its
// boundary-condition code by its colour; with results it is filled with the
// colour of its potential and ringed in the colour of its code. Nodes too
// dense for circles make a line instead, edged in the code's colour and
// filled with the potential's; internal points over a field, too dense for
// circles, become dots.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "2D/codes.hpp"
#include "tools/plot/canvas.hpp"

namespace plot {
namespace {

// Radii follow the spacing, within limits.
constexpr double kNodeRadiusMax = 4.5;
constexpr double kNodeRadiusMin = 1.5;
constexpr double kNodeRadiusShare = 0.3;  // of the typical element's length
constexpr double kPointRadiusMax = 3.5;
constexpr double kPointRadiusMin = 1.2;
constexpr double kPointRadiusShare = 0.3;  // of the typical spacing of the points
// Below these spacings on the picture, in pixels, nodes make a line and
// internal points over a field become dots.
constexpr double kDenseNodes = 6.0;
constexpr double kDensePoints = 12.0;

// The median element length on the picture.
double node_spacing(const Problem& problem, const View& view) {
  std::vector<double> lengths;
  for (const Element& e : problem.elements)
    lengths.push_back(distance(view.at(e.start), view.at(e.end)));
  std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
  return lengths[lengths.size() / 2];
}

// The typical spacing of the internal points on the picture, were they
// spread evenly over the box around them; infinite without points.
double point_spacing(const Problem& problem, const View& view) {
  const auto& points = problem.internal;
  if (points.empty()) return INFINITY;
  const Box box = box_around(points);
  const double scale = view.scale();
  const double area = std::max(box.width() * scale, 1.0) * std::max(box.height() * scale, 1.0);
  return std::sqrt(area / static_cast<double>(points.size()));
}

// Shares of the spacings, within limits, so that the nodes of a fine
// boundary do not run into each other, nor the points.
double node_radius(const Canvas& c) {
  return std::clamp(kNodeRadiusShare * node_spacing(c.problem, c.view), kNodeRadiusMin,
                    kNodeRadiusMax);
}
double point_radius(const Canvas& c) {
  return std::clamp(kPointRadiusShare * point_spacing(c.problem, c.view), kPointRadiusMin,
                    kPointRadiusMax);
}

std::string potential_colour(const Canvas& c, double potential) {
  return hex(viridis(c.potentials->fraction(potential)));
}

// Every point a dot, all in one path of zero-length strokes with round caps.
void draw_point_marks(const Canvas& c) {
  std::string d;
  for (const Point& point : c.problem.internal) {
    const Point p = c.view.at(point);
    d += 'M';  // appended piece by piece: GCC 12 warns falsely on "M" + ...
    d += number(p.x);
    d += ',';
    d += number(p.y);
    d += "h0";
  }
  c.svg.element("path", {{"class", "dot"}, {"d", d}});
}

void draw_internal_points(const Canvas& c) {
  if (c.point_marks) return draw_point_marks(c);
  const double r = point_radius(c);
  for (std::size_t i = 0; i < c.problem.internal.size(); ++i) {
    const Point p = c.view.at(c.problem.internal[i]);
    Attributes a{{"cx", number(p.x)}, {"cy", number(p.y)}, {"r", number(r)}};
    if (c.results) {
      a.push_back({"class", "valued"});
      a.push_back({"fill", potential_colour(c, c.results->internal[i].potential)});
    } else {
      a.push_back({"class", "point"});
    }
    c.svg.element("circle", a);
  }
}

// Runs of elements of one colour as polylines of that colour, in class css.
void draw_coloured_line(const Canvas& c, const std::string& css,
                        const std::function<std::string(std::size_t)>& colour_of) {
  const auto& elements = c.problem.elements;
  for (std::size_t first = 0; first < elements.size();) {
    const std::string colour = colour_of(first);
    std::vector<Point> line{c.view.at(elements[first].start)};
    std::size_t J = first;
    for (; J < elements.size() && elements[J].boundary == elements[first].boundary &&
           colour_of(J) == colour &&
           (J == first || distance(elements[J].start, elements[J - 1].end) == 0.0);
         ++J)
      line.push_back(c.view.at(elements[J].end));
    c.svg.element("polyline", {{"class", css}, {"stroke", colour}, {"points", point_list(line)}});
    first = J;
  }
}

void draw_dense_nodes(const Canvas& c) {
  const auto code = [&](std::size_t J) {
    return std::string(code_colour(c.problem.elements[J].code));
  };
  if (!c.results) return draw_coloured_line(c, "coded", code);
  draw_coloured_line(c, "casing", code);
  draw_coloured_line(
      c, "core", [&](std::size_t J) { return potential_colour(c, c.results->nodes[J].potential); });
}

void draw_node_markers(const Canvas& c) {
  if (c.dense_nodes) return draw_dense_nodes(c);
  const double r = node_radius(c);
  for (std::size_t J = 0; J < c.problem.elements.size(); ++J) {
    const Element& e = c.problem.elements[J];
    const Point p = c.view.at(e.node);
    Attributes a{{"cx", number(p.x)}, {"cy", number(p.y)}, {"r", number(r)}};
    const std::string code(code_colour(e.code));
    if (c.results) {
      a.insert(a.end(), {{"class", "ring"},
                         {"stroke", code},
                         {"fill", potential_colour(c, c.results->nodes[J].potential)}});
    } else {
      a.insert(a.end(), {{"class", "node"}, {"fill", code}});
    }
    c.svg.element("circle", a);
  }
}

// Whether elements first .. end - 1 make up a closed boundary that runs
// clockwise, like a hole round a conductor: its outer side is its inside.
bool whole_hole(const std::vector<Element>& elements, std::size_t first, std::size_t end) {
  const bool whole = (first == 0 || elements[first - 1].boundary != elements[first].boundary) &&
                     (end == elements.size() || elements[end].boundary != elements[first].boundary);
  if (!whole || distance(elements[first].start, elements[end - 1].end) > 0.0) return false;
  std::vector<Point> polygon;
  for (std::size_t J = first; J < end; ++J) polygon.push_back(elements[J].start);
  return twice_signed_area(polygon) < 0.0;
}

// "group k" for each run of consecutive nodes of one boundary with the code
// -k: in the middle of a hole made of the run alone, else beside the run's
// middle node on its outer side, off the region.
void label_groups(const Canvas& c) {
  const auto& elements = c.problem.elements;
  for (std::size_t first = 0; first < elements.size();) {
    std::size_t end = first + 1;
    while (end < elements.size() && elements[end].code == elements[first].code &&
           elements[end].boundary == elements[first].boundary)
      ++end;
    const std::string label = "group " + std::to_string(-elements[first].code);
    if (elements[first].code < 0 && whole_hole(elements, first, end)) {
      std::vector<Point> nodes;
      for (std::size_t J = first; J < end; ++J) nodes.push_back(elements[J].node);
      const Box box = box_around(nodes);
      place_label(c, c.view.at(0.5 * (box.low + box.high)), {}, label, "label group");
    } else if (elements[first].code < 0) {
      const Element& middle = elements[(first + end - 1) / 2];
      place_label(c, c.view.at(middle.node), c.view.direction(middle.normal()), label,
                  "label group");
    }
    first = end;
  }
}

}  // namespace

bool dense_nodes(const Problem& problem, const View& view) {
  return node_spacing(problem, view) < kDenseNodes;
}

bool point_marks(const Problem& problem, const View& view, bool field_drawn) {
  return field_drawn && point_spacing(problem, view) < kDensePoints;
}

void draw_points_and_nodes(const Canvas& c) {
  draw_internal_points(c);
  draw_node_markers(c);
  label_groups(c);
}

}  // namespace plot
