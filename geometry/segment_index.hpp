// The elements of the pieces sorted into the square cells of a grid, so that
// the ones near a point are found by looking at the cells around it rather
// than at every element: a field of many points beside a boundary of many
// elements costs each point a few distances, not one per element.
#pragma once

#include <vector>

#include "geometry/shape.hpp"

namespace geometry {

// Segment k of piece `piece` (from points[k] to points[k + 1]) and where on
// it the foot of the perpendicular from a point falls, 0 at its start and 1
// at its end.
struct Nearest {
  int piece = -1;  // -1: no segment within the distance asked
  int k = 0;
  double t = 0.0;
  double distance = 0.0;
};

class SegmentIndex {
 public:
  // Cells of side `cell` over the box around the pieces.
  SegmentIndex(const std::vector<Piece>& pieces, double cell);

  // The segment nearest p if one lies within `within` of it.
  Nearest nearest(Point p, double within) const;

  // Whether some segment lies closer to p than `share` of its length.
  bool near_a_segment(Point p, double share) const;

 private:
  struct Entry {
    int piece, k;
  };
  template <typename Visit>
  void for_each_near(Point p, double within, Visit visit) const;

  const std::vector<Piece>& pieces_;
  Point origin_;
  double cell_;
  int nx_ = 0, ny_ = 0;
  double longest_ = 0.0;                   // of the segments
  std::vector<std::vector<Entry>> cells_;  // cell (i, j) at i + nx_ * j
};

}  // namespace geometry
