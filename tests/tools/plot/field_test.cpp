// The field over the region: where it is drawn, that it is the program's
// own sum, that the medium beyond an interface holds its own potential, and
// that the level lines lie where the exact solution has them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "2D/VELDA.hpp"
#include "fixtures/capacity_case.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tools/plot/contours.hpp"
#include "tools/plot/picture.hpp"

namespace {

struct Example {
  plot::Problem problem;
  plot::Results results;
  plot::Examination examination;
};

Example example(const std::string& name) {
  const std::string dir = std::string(VELDA_SOURCE_DIR) + "/examples/";
  Example e{plot::read_problem(dir + name + ".in"),
            plot::read_report(dir + "expected/" + name + ".out"),
            {}};
  e.examination = plot::examine(e.problem);
  return e;
}

plot::FieldGrid field_of(const Example& e) {
  return plot::compute_field(e.problem, e.examination.chains, e.results, plot::kDefaultGridPoints);
}

// u = ln r between the circles r = 1 (u = 0) and r = 2: drawn only between
// them and clear of both, its level lines on the circles r = exp(level); and
// at each internal point the report's own value, to its printed digits.
TEST(Field, AnnulusIsDrawnBetweenTheCirclesWithLevelLinesOnCircles) {
  const Example e = example("annulus");
  const plot::FieldGrid grid = field_of(e);
  int drawn = 0;
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const double r = length(grid.point(i, j));
      const bool is_drawn = !std::isnan(grid.at(i, j));
      if (r < 1.0 || r > 2.0) {
        EXPECT_FALSE(is_drawn) << "r = " << r;
      } else if (r > 1.25 && r < 1.55) {
        EXPECT_TRUE(is_drawn) << "r = " << r;
      }
      drawn += is_drawn;
    }
  EXPECT_GT(drawn, grid.nx * grid.ny / 8);
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

// Inside the cylinder of EPS = 3 the exact potential is x * 2 / (1 + EPS).
TEST(Field, DielectricInteriorHoldsTheMediumsPotential) {
  const Example e = example("dielectric");
  const plot::FieldGrid grid = field_of(e);
  EXPECT_TRUE(grid.has_medium);
  int inside = 0;
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const lib::Point p = grid.point(i, j);
      if (length(p) > 0.7) continue;
      ASSERT_FALSE(std::isnan(grid.at(i, j))) << p.x << ", " << p.y;
      EXPECT_NEAR(grid.at(i, j), 0.5 * p.x, 0.01) << p.x << ", " << p.y;
      ++inside;
    }
  EXPECT_GT(inside, 100);
}

// A saddle: the cell's corners alternate about the level, and the mean of
// the corners decides whether the high corners join through the middle.
TEST(Field, SaddleCellsJoinByTheirMean) {
  for (const double middle : {0.6, 0.4}) {
    plot::FieldGrid grid;
    grid.step = 1.0;
    grid.nx = grid.ny = 2;
    grid.value = {1.0, 0.0, 0.0, middle * 4.0 - 1.0};  // corners (0,0) and (1,1) high
    const plot::Contour c = plot::contour(grid, 0.5);
    EXPECT_EQ(c.outlines.size(), middle > 0.5 ? 1U : 2U) << middle;
    EXPECT_EQ(c.lines.size(), 2U) << middle;
  }
}

// The capacity case at the default grid: one well-formed picture under
// 2 MB, with bands and level lines as paths, not one shape per cell.
TEST(Field, CapacityCasePictureIsWellFormedAndSmall) {
  const auto run =
      test_support::run_in_memory(fixtures::quarter_box_case(fixtures::kCapacityElements, 200));
  ASSERT_EQ(run.status, 0) << run.error;
  const plot::Problem problem = plot::problem_from_text(
      fixtures::quarter_box_case(fixtures::kCapacityElements, 200), "capacity.in");
  const plot::Results results = plot::parse_report(run.report, "capacity.out");
  const plot::Examination examination = plot::examine(problem);
  const plot::FieldGrid grid =
      plot::compute_field(problem, examination.chains, results, plot::kDefaultGridPoints);
  const std::string svg =
      plot::draw_picture(problem, examination, &results, &grid, "capacity.in", "capacity.out");
  EXPECT_EQ(test_support::xml_fault(svg), "");
  EXPECT_LT(svg.size(), 2U << 20);
  EXPECT_NE(svg.find("class=\"band\""), std::string::npos);
  EXPECT_NE(svg.find("class=\"level\""), std::string::npos);
  EXPECT_NE(svg.find("class=\"veil\""), std::string::npos);
  EXPECT_EQ(svg.find("<rect class=\"band"), std::string::npos);
}

}  // namespace
