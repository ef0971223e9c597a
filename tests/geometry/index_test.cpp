// The indexes answer as a scan of every element and every loop edge does,
// on the capacity case (holes, an interface, both mirror images) at points
// all over its box and beyond, on a lattice that is not aligned with the
// index's cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fixtures/capacity_case.hpp"
#include "geometry/checks.hpp"
#include "geometry/region_index.hpp"
#include "geometry/segment_index.hpp"
#include "tools/plot/problem.hpp"

namespace {

constexpr int kElements = 160;
constexpr int kLattice = 61;

struct Scanned {
  double distance;    // to the nearest segment
  bool near_segment;  // within `share` of some segment's length
};

Scanned scan(const std::vector<geometry::Piece>& pieces, lib::Point p, double share) {
  Scanned s{INFINITY, false};
  for (const geometry::Piece& piece : pieces)
    for (std::size_t k = 0; k + 1 < piece.points.size(); ++k) {
      const double d = geometry::distance_to_segment(p, piece.points[k], piece.points[k + 1]);
      s.distance = std::min(s.distance, d);
      s.near_segment = s.near_segment || d < share * distance(piece.points[k], piece.points[k + 1]);
    }
  return s;
}

TEST(Indexes, AnswerAsTheScanOfEveryElementDoes) {
  const plot::Problem problem =
      plot::problem_from_text(fixtures::quarter_box_case(kElements, 0), "capacity.in");
  const geometry::Chains chains = geometry::chain_pieces(problem.pieces, 1.0E-9);
  ASSERT_GE(chains.loops.size(), 3U);
  const geometry::Box& box = problem.bounds;
  const double cell = box.extent() / 37.0;
  const geometry::SegmentIndex segments(problem.pieces, cell);
  const geometry::RegionIndex region(chains, cell);
  const double reach = 2.5 * cell, share = 0.5;
  int inside = 0, near = 0;
  for (int j = 0; j < kLattice; ++j)
    for (int i = 0; i < kLattice; ++i) {
      const lib::Point p{box.low.x - 0.1 + (box.width() + 0.2) * i / (kLattice - 1),
                         box.low.y - 0.1 + (box.height() + 0.2) * j / (kLattice - 1)};
      EXPECT_EQ(region.in_region(p), geometry::in_region(p, chains)) << p.x << ", " << p.y;
      EXPECT_EQ(region.innermost_loop(p), geometry::innermost_loop(p, chains));
      const Scanned s = scan(problem.pieces, p, share);
      const geometry::Nearest n = segments.nearest(p, reach);
      EXPECT_EQ(n.piece >= 0, s.distance <= reach) << p.x << ", " << p.y;
      if (n.piece >= 0) {
        EXPECT_EQ(n.distance, s.distance);
      }
      EXPECT_EQ(segments.near_a_segment(p, share), s.near_segment) << p.x << ", " << p.y;
      inside += geometry::in_region(p, chains);
      near += n.piece >= 0;
    }
  EXPECT_GT(inside, kLattice * kLattice / 4);
  EXPECT_GT(near, kLattice * kLattice / 10);
}

}  // namespace
