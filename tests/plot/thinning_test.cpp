// Thinning points to one per cell.
#include "plot/thinning.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

TEST(Thinning, KeepsOnePointPerOccupiedCellNearestItsCentre) {
  std::vector<plot::Point> points;
  for (int i = 0; i < 40; ++i)
    for (int j = 0; j < 40; ++j) points.push_back({i * 2.5 + 0.3, j * 2.5 + 0.3});
  const auto kept = plot::thin_out(points, 10.0);
  EXPECT_EQ(kept.size(), 100u);  // a 100 x 100 square of 10 x 10 cells
  std::set<std::pair<int, int>> cells;
  for (std::size_t i : kept) {
    const plot::Point p = points[i];
    EXPECT_TRUE(cells.insert({int(p.x / 10), int(p.y / 10)}).second) << "two in one cell";
    EXPECT_NEAR(std::fmod(p.x, 10.0), 5.3, 1e-9);  // the point nearest the centre 5
  }
}

TEST(Thinning, SparsePointsAreAllKept) {
  const std::vector<plot::Point> points{{0, 0}, {50, 0}, {-50, 20}};
  EXPECT_EQ(plot::thin_out(points, 10.0), (std::vector<std::size_t>{0, 1, 2}));
}

}  // namespace
