// The levels of an input: written back exactly, split and merged without
// changing the polygon or the records, and as many as the capacity allows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "2D/VELDA.hpp"
#include "fixtures/circle.hpp"
#include "tests/support/problems.hpp"
#include "tools/converge/input_levels.hpp"
#include "tools/converge/refinement.hpp"
#include "tools/converge/refused.hpp"

namespace converge {
namespace {

using lib::Point;

// The unit square, counter-clockwise, each side cut into m elements; the
// bottom side at potential 0 (group 1), the top at 1 (group 2), the others
// insulated.
PolygonInput square(int m) {
  PolygonInput input;
  input.title = " UNIT SQUARE";
  Outline b{test_support::polyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}, m), {}};
  const NodeRecord sides[] = {{-1, 0.0, 0.0}, {1, 0.0, 0.0}, {-2, 1.0, 0.0}, {1, 0.0, 0.0}};
  for (const NodeRecord& r : sides) b.records.insert(b.records.end(), m, r);
  input.boundaries.push_back(b);
  input.internal = {{0.5, 0.5}};
  return input;
}

// The same problem, with the points within `tolerance` of each other.
void expect_same(const PolygonInput& a, const PolygonInput& b, double tolerance = 0.0) {
  EXPECT_EQ(a.title, b.title);
  EXPECT_EQ(a.ISYMX, b.ISYMX);
  EXPECT_EQ(a.ISYMY, b.ISYMY);
  ASSERT_EQ(a.boundaries.size(), b.boundaries.size());
  for (std::size_t k = 0; k < a.boundaries.size(); ++k) {
    const Outline &p = a.boundaries[k], &q = b.boundaries[k];
    ASSERT_EQ(p.points.size(), q.points.size());
    for (std::size_t i = 0; i < p.points.size(); ++i) {
      EXPECT_NEAR(p.points[i].x, q.points[i].x, tolerance);
      EXPECT_NEAR(p.points[i].y, q.points[i].y, tolerance);
    }
    EXPECT_EQ(p.records, q.records);
  }
  ASSERT_EQ(a.internal.size(), b.internal.size());
  for (std::size_t i = 0; i < a.internal.size(); ++i) {
    EXPECT_EQ(a.internal[i].x, b.internal[i].x);
    EXPECT_EQ(a.internal[i].y, b.internal[i].y);
  }
}

// Every code with its values, symmetry flags, reals that need all 17 digits:
// the written text reads back bit for bit.
TEST(PolygonInput, WrittenTextReadsBackBitForBit) {
  PolygonInput input = square(3);
  input.ISYMX = 1;
  input.ISYMY = -1;
  input.boundaries[0].points[1].x = 0.1 + 0.2;
  input.boundaries[0].records[1] = {0, 1.0 / 3.0, 0.0};
  input.boundaries[0].records[4] = {2, -2.5e-7, 1e10 / 7.0};
  input.boundaries[0].records[5] = {3, 4.0, 0.0};
  input.internal.push_back({1.0 / 7.0, 2.0 / 3.0});
  const std::string text = input_text(input);
  expect_same(read_polygon_input(text, "written"), input);
}

// Pairs along the straight sides merge into the square of half as many; a
// pair across a corner or across a change of record stays apart.
TEST(Refinement, MergeJoinsOnlyStraightPairsWithOneRecord) {
  expect_same(merge_pairs(square(4)), square(2));
  // Three elements a side: each side's first pair joins, and its third
  // element, whose next lies beyond a corner, stays.
  const PolygonInput odd = merge_pairs(square(3));
  EXPECT_EQ(odd.elements(), 12 - 4);
  PolygonInput mixed = square(2);
  mixed.boundaries[0].records[1].value = 0.5;  // the bottom side's two halves differ
  EXPECT_EQ(merge_pairs(mixed).elements(), 8 - 3);
  EXPECT_EQ(merge_pairs(mixed).perimeter(), mixed.perimeter());
}

struct Plan {
  int elements_per_side;
  int levels;
  std::vector<int> elements;  // at each level, coarse to fine
  int own;
};

// Up to the capacity by splitting; below the input by merging when the
// capacity does not allow enough; the mesh size halves from level to level.
TEST(InputLevels, SplitAsFarAsTheCapacityAllowsAndMergeBelow) {
  const Plan plans[] = {{8, 3, {32, 64, 128}, 0},
                        {100, 3, {400, 800, 1600}, 0},
                        {150, 3, {300, 600, 1200}, 1},
                        {400, 3, {400, 800, 1600}, 2},
                        {16, 5, {64, 128, 256, 512, 1024}, 0},
                        {200, 4, {200, 400, 800, 1600}, 2}};
  for (const Plan& plan : plans) {
    SCOPED_TRACE(plan.elements_per_side);
    const std::string text = input_text(square(plan.elements_per_side));
    const InputLevels levels(text, "square", plan.levels);
    ASSERT_EQ(levels.count(), plan.levels);
    EXPECT_EQ(levels.own_level(), plan.own);
    EXPECT_EQ(levels.level(plan.own).input, text);
    for (int k = 0; k < levels.count(); ++k) {
      const PolygonInput level = read_polygon_input(levels.level(k).input, "level");
      EXPECT_EQ(level.elements(), plan.elements[k]);
      expect_same(level, square(plan.elements[k] / 4), 1e-15);
      if (k > 0) {
        EXPECT_DOUBLE_EQ(levels.level(k - 1).h, 2 * levels.level(k).h);
      }
    }
  }
}

// A many-sided polygon has no straight pairs to merge: alone, or beside a
// square whose straight sides could join fewer than half of all the
// elements, it makes no coarser levels, and splitting it passes the
// capacity.
TEST(InputLevels, RefusedWhenNeitherSplittingNorMergingCan) {
  PolygonInput polygon = square(100);
  polygon.boundaries.push_back({fixtures::circle(0.5, 0.5, 0.25, 1000, true), {}});
  polygon.boundaries[1].records.assign(1000, {-3, 1.0, 0.0});
  const struct {
    PolygonInput input;
    const char* words;
  } cases[] = {{polygon, "cannot make 3 levels of 1400 elements"},
               {PolygonInput{" CIRCLE", 0, 0, {polygon.boundaries[1]}, {}},
                "cannot make 3 levels of 1000 elements"}};
  for (const auto& c : cases) {
    try {
      InputLevels(input_text(c.input), "polygon", 3);
      ADD_FAILURE() << "not refused: " << c.words;
    } catch (const Refused& refused) {
      EXPECT_NE(std::string(refused.what()).find(c.words), std::string::npos) << refused.what();
    }
  }
}

}  // namespace
}  // namespace converge
