#include "geometry/segment_index.hpp"

#include <algorithm>
#include <cmath>

namespace geometry {
namespace {

// The cell of coordinate x on an axis of `count` cells from `origin`.
int cell_of(double x, double origin, double cell, int count) {
  const double c = std::floor((x - origin) / cell);
  return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(count - 1)));
}

}  // namespace

SegmentIndex::SegmentIndex(const std::vector<Piece>& pieces, double cell)
    : pieces_(pieces), cell_(cell) {
  std::vector<Point> all;
  for (const Piece& piece : pieces) all.insert(all.end(), piece.points.begin(), piece.points.end());
  if (all.empty() || !(cell > 0.0)) return;
  const Box box = box_around(all);
  origin_ = box.low;
  nx_ = static_cast<int>(std::floor(box.width() / cell)) + 1;
  ny_ = static_cast<int>(std::floor(box.height() / cell)) + 1;
  cells_.resize(static_cast<std::size_t>(nx_) * ny_);
  for (std::size_t p = 0; p < pieces.size(); ++p)
    for (std::size_t k = 0; k + 1 < pieces[p].points.size(); ++k) {
      const Point a = pieces[p].points[k], b = pieces[p].points[k + 1];
      longest_ = std::max(longest_, distance(a, b));
      const int i0 = cell_of(std::min(a.x, b.x), origin_.x, cell_, nx_);
      const int i1 = cell_of(std::max(a.x, b.x), origin_.x, cell_, nx_);
      const int j0 = cell_of(std::min(a.y, b.y), origin_.y, cell_, ny_);
      const int j1 = cell_of(std::max(a.y, b.y), origin_.y, cell_, ny_);
      for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i)
          cells_[static_cast<std::size_t>(i + nx_ * j)].push_back(
              {static_cast<int>(p), static_cast<int>(k)});
    }
}

// Every segment in the cells that the square of half side `within` around
// p meets; a segment in several of them is visited once for each.
template <typename Visit>
void SegmentIndex::for_each_near(Point p, double within, Visit visit) const {
  if (cells_.empty()) return;
  const int i0 = cell_of(p.x - within, origin_.x, cell_, nx_);
  const int i1 = cell_of(p.x + within, origin_.x, cell_, nx_);
  const int j0 = cell_of(p.y - within, origin_.y, cell_, ny_);
  const int j1 = cell_of(p.y + within, origin_.y, cell_, ny_);
  for (int j = j0; j <= j1; ++j)
    for (int i = i0; i <= i1; ++i)
      for (const Entry& e : cells_[static_cast<std::size_t>(i + nx_ * j)]) visit(e);
}

Nearest SegmentIndex::nearest(Point p, double within) const {
  Nearest best;
  best.distance = within;
  for_each_near(p, within, [&](const Entry& e) {
    const Point a = pieces_[e.piece].points[e.k], b = pieces_[e.piece].points[e.k + 1];
    const double d = distance_to_segment(p, a, b);
    if (d > best.distance || (best.piece >= 0 && d == best.distance)) return;
    const Point ab = b - a;
    const double ab2 = dot(ab, ab);
    best = {e.piece, e.k, ab2 > 0.0 ? std::clamp(dot(p - a, ab) / ab2, 0.0, 1.0) : 0.0, d};
  });
  return best;
}

bool SegmentIndex::near_a_segment(Point p, double share) const {
  bool near = false;
  for_each_near(p, share * longest_, [&](const Entry& e) {
    const Point a = pieces_[e.piece].points[e.k], b = pieces_[e.piece].points[e.k + 1];
    near = near || distance_to_segment(p, a, b) < share * distance(a, b);
  });
  return near;
}

}  // namespace geometry
