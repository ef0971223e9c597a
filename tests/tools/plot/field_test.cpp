// The field over the region: where it is drawn, that it is the program's
// own sum, that the medium beyond an interface holds its own potential, and
// that the level lines lie where the exact solution has them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "2D/VELDA.hpp"
#include "fixtures/capacity_case.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tests/support/problems.hpp"
#include "tests/support/text.hpp"
#include "tools/plot/canvas.hpp"
#include "tools/plot/contours.hpp"
#include "tools/plot/picture.hpp"

namespace {

constexpr double pi = std::numbers::pi;

using test_support::bundled;
using test_support::PlotCase;

plot::FieldGrid field_of(const PlotCase& e) {
  return plot::compute_field(e.problem, e.examination.chains, e.results, plot::kDefaultGridPoints);
}

// u = ln r between the circles r = 1 (u = 0) and r = 2: the sum between
// them, the boundary's own potential just outside them and nothing farther
// out; its level lines on the circles r = exp(level); and at each internal
// point the report's own value, to its printed digits.
TEST(Field, AnnulusIsDrawnUpToTheCirclesWithLevelLinesOnCircles) {
  const PlotCase e = bundled("annulus");
  const plot::FieldGrid grid = field_of(e);
  const double reach = 1.5 * grid.step;
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const double r = length(grid.point(i, j));
      const plot::FieldPoint kind = grid.kind_at(i, j);
      if (kind == plot::FieldPoint::REGION) {  // the inner circle's chords pass inside r = 1
        EXPECT_TRUE(r > std::cos(pi / 32) && r < 2.0) << "r = " << r;
      }
      if (r > 1.0 + reach && r < 2.0 - reach) {
        EXPECT_EQ(kind, plot::FieldPoint::REGION) << "r = " << r;
      }
      if (r < 1.0 - reach || r > 2.0 + reach) {
        EXPECT_EQ(kind, plot::FieldPoint::OUTSIDE);
      }
      if (kind == plot::FieldPoint::BOUNDARY || kind == plot::FieldPoint::BEYOND) {
        EXPECT_NEAR(grid.at(i, j), r < 1.5 ? 0.0 : std::log(2.0), 1.0E-5) << "r = " << r;
      }
    }
  EXPECT_FALSE(grid.has_medium);
  int lines = 0;
  for (double level : plot::field_levels(grid)) {
    for (const auto& line : plot::contour(grid, level).lines) {
      ++lines;
      for (const lib::Point& p : line)
        EXPECT_NEAR(length(p), std::exp(level), 0.015 * std::exp(level)) << "level " << level;
    }
  }
  EXPECT_GE(lines, 4);
  const auto v = plot::solved_state(e.problem, e.results);
  for (const plot::InternalResult& point : e.results.internal) {
    double u = 0.0;
    velda::POTENT(*v, point.at.x, point.at.y, u);
    EXPECT_NEAR(u, point.potential, 0.5E-5 * std::fabs(point.potential)) << point.at.x;
  }
}

// Every point of the grid in the region holds the sum, however close to the
// boundary; every point outside next to one of them holds the boundary's
// potential, so that the bands reach the outline the picture clips them to.
TEST(Field, NoBandOfRegionPointsIsLeftBlank) {
  for (const char* name : {"annulus", "capacitor", "dielectric", "quarter"}) {
    const PlotCase e = bundled(name);
    const plot::FieldGrid grid = field_of(e);
    for (int j = 0; j < grid.ny; ++j)
      for (int i = 0; i < grid.nx; ++i) {
        const lib::Point p = grid.point(i, j);
        if (geometry::in_region(p, e.examination.chains)) {
          EXPECT_TRUE(grid.kind_at(i, j) == plot::FieldPoint::REGION ||
                      grid.kind_at(i, j) == plot::FieldPoint::BOUNDARY)
              << name << " at " << p.x << ", " << p.y;
        }
        EXPECT_EQ(std::isnan(grid.at(i, j)), grid.kind_at(i, j) == plot::FieldPoint::OUTSIDE);
        if (grid.kind_at(i, j) != plot::FieldPoint::REGION) continue;
        for (const auto& [di, dj] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int a = i + di, b = j + dj;
          if (a >= 0 && b >= 0 && a < grid.nx && b < grid.ny) {
            EXPECT_NE(grid.kind_at(a, b), plot::FieldPoint::OUTSIDE)
                << name << " " << a << " " << b;
          }
        }
      }
  }
}

// The cylinder r < 1 of permittivity 3 in the uniform field u = x: inside it,
// 0.3 of a radius clear of its interface, the grid holds the medium's own
// potential, 2 x / (1 + 3), not the boundary sum.
TEST(Field, DielectricInteriorHoldsTheMediumsPotential) {
  const plot::FieldGrid grid = field_of(bundled("dielectric"));
  EXPECT_TRUE(grid.has_medium);
  int inside = 0;
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const lib::Point p = grid.point(i, j);
      if (length(p) > 0.7) continue;
      EXPECT_NEAR(grid.at(i, j), 0.5 * p.x, 0.01) << p.x << ", " << p.y;
      ++inside;
    }
  EXPECT_GT(inside, 100);
}

// A solved problem of n elements a side, and its boundary sum at a point.
struct Solved {
  PlotCase c;
  std::unique_ptr<velda::Velda> state;

  double u(lib::Point p) const {
    double value = 0.0;
    velda::POTENT(*state, p.x, p.y, value);
    return value;
  }
  lib::Point gradient(lib::Point p, double h) const {
    return {(u({p.x + h, p.y}) - u({p.x - h, p.y})) / (2.0 * h),
            (u({p.x, p.y + h}) - u({p.x, p.y - h})) / (2.0 * h)};
  }
};

Solved solved(const test_support::Shape& shape) {
  Solved s{test_support::solved_case(test_support::input_text(shape)), nullptr};
  s.state = plot::solved_state(s.c.problem, s.c.results);
  return s;
}

// u = ln r between r = 1 and r = 2, each circle in n elements.
Solved annulus_of(int n) {
  test_support::Shape shape;
  shape.boundaries = {test_support::circle(2.0, n, true), test_support::circle(1.0, n, false)};
  shape.codes.assign(n, "0 " + fixtures::real(std::log(2.0)));
  shape.codes.insert(shape.codes.end(), n, "0 0.0");
  return solved(shape);
}

// u = x in the unit square, each side in n elements.
Solved square_of(int n) {
  test_support::Shape shape;
  shape.boundaries = {test_support::polyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}, n)};
  const test_support::Polyline& square = shape.boundaries[0];
  for (std::size_t k = 0; k + 1 < square.size(); ++k)
    shape.codes.push_back("0 " + fixtures::real(0.5 * (square[k].x + square[k + 1].x)));
  return solved(shape);
}

// No arrow of the field stands closer to an element than kGradientClearance
// of its length, and there are arrows all the same.
TEST(Field, GradientArrowsKeepClearOfTheBoundary) {
  for (const char* name : {"capacitor", "dielectric", "quarter"}) {
    const PlotCase e = bundled(name);
    const plot::FieldGrid grid = field_of(e);
    const plot::View view(e.problem.bounds, {});
    const auto arrows =
        plot::gradients_of_field(grid, e.problem, view, plot::ColourScale(-1.0, 1.0));
    ASSERT_TRUE(arrows.has_value()) << name;
    EXPECT_GT(arrows->arrows.size(), 20U) << name;
    for (const plot::Arrow& a : arrows->arrows)
      for (const geometry::Piece& piece : e.problem.pieces)
        for (std::size_t k = 0; k + 1 < piece.points.size(); ++k) {
          const lib::Point s0 = piece.points[k], s1 = piece.points[k + 1];
          EXPECT_GE(geometry::distance_to_segment(a.at, s0, s1),
                    plot::kGradientClearance * distance(s0, s1))
              << name << " at " << a.at.x << ", " << a.at.y;
        }
  }
}

// The arrows as drawn, of u = ln r, point away from the centre (towards
// higher potential) with lengths in proportion to 1 / r. The centre on the
// picture is where the arrows' lines meet, found by least squares.
TEST(Field, DrawnArrowsPointUphillWithLengthsInProportion) {
  const PlotCase e = bundled("annulus");
  const plot::FieldGrid grid = field_of(e);
  const std::string svg = plot::draw_picture(e.problem, e.examination, &e.results, &grid, "", "");
  const std::size_t d = svg.find("d=\"", svg.find("class=\"gradient\""));
  std::istringstream shafts(svg.substr(d + 3, svg.find('"', d + 3) - d - 3));
  std::vector<std::pair<lib::Point, lib::Point>> arrows;  // middle, from tail to tip
  lib::Point from, tip;
  char m, l, comma;
  while (shafts >> m >> from.x >> comma >> from.y >> l >> tip.x >> comma >> tip.y)
    arrows.push_back({0.5 * (from + tip), tip - from});
  ASSERT_GT(arrows.size(), 20U);
  double a11 = 0, a12 = 0, a22 = 0, b1 = 0, b2 = 0;  // sum of (I - t t') and of (I - t t') m
  for (const auto& [mid, along] : arrows) {
    const lib::Point t = (1.0 / length(along)) * along;
    a11 += 1 - t.x * t.x, a12 -= t.x * t.y, a22 += 1 - t.y * t.y;
    b1 += (1 - t.x * t.x) * mid.x - t.x * t.y * mid.y;
    b2 += -t.x * t.y * mid.x + (1 - t.y * t.y) * mid.y;
  }
  const double det = a11 * a22 - a12 * a12;
  const lib::Point centre{(a22 * b1 - a12 * b2) / det, (a11 * b2 - a12 * b1) / det};
  std::vector<double> products;  // length times distance from the centre: 1 / r times r
  for (const auto& [mid, along] : arrows) {
    const lib::Point out = mid - centre;
    EXPECT_GT(dot(out, along) / (length(out) * length(along)), 0.99) << mid.x << ", " << mid.y;
    products.push_back(length(along) * length(out));
  }
  std::sort(products.begin(), products.end());
  EXPECT_LT(products.back() / products.front(), 1.2);
}

// u = x in a square: along the top and bottom sides the node values,
// linear from node to node, are x itself, and so are the values the grid
// takes on the boundary and beyond it there.
TEST(Field, BoundaryPotentialRunsLinearlyFromNodeToNode) {
  constexpr int n = 8;
  const PlotCase square = square_of(n).c;
  const plot::FieldGrid grid =
      plot::compute_field(square.problem, square.examination.chains, square.results, 43);
  int checked = 0;
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const lib::Point p = grid.point(i, j);
      const plot::FieldPoint kind = grid.kind_at(i, j);
      const bool on_a_side = std::min(p.y, 1.0 - p.y) < std::min(p.x, 1.0 - p.x);
      if ((kind != plot::FieldPoint::BOUNDARY && kind != plot::FieldPoint::BEYOND) || !on_a_side ||
          p.x < 0.5 / n || p.x > 1.0 - 0.5 / n)
        continue;
      EXPECT_NEAR(grid.at(i, j), p.x, 1.0E-12) << p.x << ", " << p.y;
      ++checked;
    }
  EXPECT_GE(checked, 40);
}

// The measurement behind kGradientClearance: the gradient's relative error
// at `share` of an element's length L from `on`, a point of the boundary,
// inward, against the exact gradient there.
template <typename Exact>
double gradient_error(const Solved& s, lib::Point on, lib::Point inward, double L, double share,
                      Exact exact) {
  const lib::Point p = on + (share * L) * inward;
  return length(s.gradient(p, 1.0E-3 * share * L) - exact(p)) / length(exact(p));
}

TEST(Field, GradientIsPoorOnlyWithinHalfAnElementOfTheBoundary) {
  constexpr int n = 8;
  const Solved square = square_of(n);
  const auto uniform = [](lib::Point) { return lib::Point{1.0, 0.0}; };
  const double L = 1.0 / n;
  for (const lib::Point on : {lib::Point{0.5, 1.0}, lib::Point{0.5 + 0.5 * L, 1.0}}) {
    EXPECT_LT(gradient_error(square, on, {0, -1}, L, plot::kGradientClearance, uniform), 0.05);
    EXPECT_GT(gradient_error(square, on, {0, -1}, L, 0.4 * plot::kGradientClearance, uniform), 0.1);
  }
  const Solved annulus = annulus_of(32);
  const auto radial = [](lib::Point p) { return (1.0 / dot(p, p)) * p; };
  const double La = 2.0 * 2.0 * std::sin(pi / 32);
  const lib::Point end{0.0, 2.0};  // a vertex of the outer circle
  EXPECT_LT(gradient_error(annulus, end, {0, -1}, La, plot::kGradientClearance, radial), 0.05);
  EXPECT_GT(gradient_error(annulus, end, {0, -1}, La, 1.0E-3, radial), 0.1);
}

// The capacity case at the default grid: one well-formed picture under
// 2 MB, with bands and level lines as paths, not one shape per cell.
TEST(Field, CapacityCasePictureIsWellFormedAndSmall) {
  const PlotCase capacity = test_support::solved_case(
      fixtures::quarter_box_case(fixtures::kCapacityElements, 200), "capacity.in");
  const plot::FieldGrid grid = field_of(capacity);
  const std::string svg =
      plot::draw_picture(capacity.problem, capacity.examination, &capacity.results, &grid,
                         "capacity.in", "capacity.out");
  EXPECT_EQ(test_support::xml_fault(svg), "");
  EXPECT_LT(svg.size(), 2U << 20);
  EXPECT_NE(svg.find("class=\"band\""), std::string::npos);
  EXPECT_NE(svg.find("class=\"level\""), std::string::npos);
  EXPECT_NE(svg.find("class=\"veil\""), std::string::npos);
  EXPECT_EQ(svg.find("<rect class=\"band"), std::string::npos);
  // 1600 nodes a few pixels apart: a line coloured by code and potential,
  // not one circle per node.
  EXPECT_LE(test_support::occurrences(svg, "class=\"ring\""), 5);  // the legend's, one per code
  EXPECT_NE(svg.find("class=\"casing\""), std::string::npos);
  EXPECT_NE(svg.find("class=\"core\""), std::string::npos);
  EXPECT_NE(svg.find("clip-path=\"url(#region)\""), std::string::npos);
}

// Circles while they stay apart; a line for the capacity case's nodes, dots
// for its 5000 internal points over a field, circles without one.
TEST(Field, DenseNodesAndPointsAreDrawnSoAsNotToHideTheField) {
  const plot::Problem capacity = plot::problem_from_text(
      fixtures::quarter_box_case(fixtures::kCapacityElements, fixtures::kCapacityInternalPoints),
      "capacity.in");
  const PlotCase capacitor = bundled("capacitor");
  const plot::View dense(capacity.bounds, {}), sparse(capacitor.problem.bounds, {});
  EXPECT_TRUE(plot::dense_nodes(capacity, dense));
  EXPECT_FALSE(plot::dense_nodes(capacitor.problem, sparse));
  EXPECT_TRUE(plot::point_marks(capacity, dense, true));
  EXPECT_FALSE(plot::point_marks(capacity, dense, false));
  EXPECT_FALSE(plot::point_marks(capacitor.problem, sparse, true));
}

}  // namespace
