#include "bench/capacity_case.hpp"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace bench {
namespace {

using lib::Point;

// The quarter box [0, kWidth] x [0, kHeight].
constexpr double kWidth = 2.0, kHeight = 1.5;
// Strips of the top wall, by the x of their nodes.
constexpr double kImpedanceFrom = 1.4, kGuardFrom = 0.6;
constexpr double kImpedanceV = 0.0, kImpedanceZ = 0.05, kGuardPotential = 0.5;
struct Circle {
  double cx, cy, r;
};
constexpr Circle kConductor{0.8, 0.6, 0.3};
constexpr Circle kDielectric{1.5, 0.9, 0.25};
constexpr double kConductorPotential = 1.0, kEps = 4.0;
// The elements are shared out in these proportions (of kShares), the
// conductor taking the rest: 320, 384, 400 and 496 of 1600.
constexpr int kShares = 100, kSideShare = 20, kTopShare = 24, kDielectricShare = 25;
// Internal points keep this distance from every boundary.
constexpr double kMargin = 0.05;

struct NodeRecord {
  int code;
  std::vector<double> values;
};

struct Boundary {
  std::vector<Point> points;  // elements + 1, in the order of travel
  std::vector<NodeRecord> nodes;
};

// The box wall: the side x = kWidth upwards, then the top towards the axis.
Boundary box_wall(int side_elements, int top_elements) {
  Boundary b;
  for (int m = 0; m <= side_elements; ++m)
    b.points.push_back({kWidth, kHeight * m / side_elements});
  for (int m = 1; m <= top_elements; ++m)
    b.points.push_back({kWidth - kWidth * m / top_elements, kHeight});
  for (int m = 0; m < side_elements; ++m) b.nodes.push_back({-1, {0.0}});
  for (int m = 0; m < top_elements; ++m) {
    const double x = kWidth - kWidth * (m + 0.5) / top_elements;
    if (x > kImpedanceFrom) {
      b.nodes.push_back({2, {kImpedanceV, kImpedanceZ}});
    } else if (x > kGuardFrom) {
      b.nodes.push_back({0, {kGuardPotential}});
    } else {
      b.nodes.push_back({1, {0.0}});
    }
  }
  return b;
}

// A hole, clockwise; every node has `node`.
Boundary hole(const Circle& c, int elements, const NodeRecord& node) {
  return {circle(c.cx, c.cy, c.r, elements, true), std::vector<NodeRecord>(elements, node)};
}

// The radical inverse of `index` in `base`: the Halton coordinate.
double halton(int index, int base) {
  double value = 0.0, scale = 1.0 / base;
  for (; index > 0; index /= base, scale /= base) value += (index % base) * scale;
  return value;
}

bool clear_of(const Circle& c, Point p) {
  return std::hypot(p.x - c.cx, p.y - c.cy) > c.r + kMargin;
}

std::vector<Point> internal_points(int count) {
  std::vector<Point> points;
  for (int index = 1; static_cast<int>(points.size()) < count; ++index) {
    const Point p{kWidth * halton(index, 2), kHeight * halton(index, 3)};
    if (p.x < kWidth - kMargin && p.y < kHeight - kMargin && clear_of(kConductor, p) &&
        clear_of(kDielectric, p))
      points.push_back(p);
  }
  return points;
}

std::string real(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// Ends the line so far, then writes `fields` separated by blanks.
void add_line(std::string& text, const std::vector<std::string>& fields) {
  text += '\n';
  for (const std::string& field : fields) {
    if (&field != &fields.front()) text += ' ';
    text += field;
  }
}

}  // namespace

std::vector<Point> circle(double cx, double cy, double r, int n, bool clockwise) {
  std::vector<Point> points;
  for (int m = 0; m < n; ++m) {
    const double angle = (clockwise ? -2.0 : 2.0) * std::numbers::pi * m / n;
    points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  points.push_back(points.front());
  return points;
}

std::string quarter_box_case(int elements, int internal_points_count) {
  const int side = elements * kSideShare / kShares, top = elements * kTopShare / kShares;
  const int dielectric = elements * kDielectricShare / kShares;
  const int conductor = elements - side - top - dielectric;
  const std::vector<Boundary> boundaries = {
      box_wall(side, top),
      hole(kConductor, conductor, {-2, {kConductorPotential}}),
      hole(kDielectric, dielectric, {3, {kEps}}),
  };

  std::string text = " QUARTER BOX WITH A CONDUCTOR AND A DIELECTRIC CYLINDER";
  std::vector<std::string> counts = {"1", "1", std::to_string(elements),
                                     std::to_string(internal_points_count),
                                     std::to_string(boundaries.size())};
  int last_point = 0;
  for (const Boundary& b : boundaries) {
    last_point += static_cast<int>(b.points.size());
    counts.push_back(std::to_string(last_point));
  }
  add_line(text, counts);
  for (const Boundary& b : boundaries)
    for (const Point& p : b.points) add_line(text, {real(p.x), real(p.y)});
  for (const Boundary& b : boundaries)
    for (const NodeRecord& node : b.nodes) {
      std::vector<std::string> fields = {std::to_string(node.code)};
      for (double v : node.values) fields.push_back(real(v));
      add_line(text, fields);
    }
  for (const Point& p : internal_points(internal_points_count))
    add_line(text, {real(p.x), real(p.y)});
  text += '\n';
  return text;
}

}  // namespace bench
