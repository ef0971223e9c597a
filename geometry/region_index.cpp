#include "geometry/region_index.hpp"

#include <algorithm>
#include <cmath>

namespace geometry {
namespace {

int band_of(double y, double low, double band, std::size_t count) {
  const double b = std::floor((y - low) / band);
  return static_cast<int>(std::clamp(b, 0.0, static_cast<double>(count - 1)));
}

}  // namespace

RegionIndex::RegionIndex(const Chains& chains, double band) : chains_(chains), band_(band) {
  double high = 0.0;
  bool first = true;
  for (const Loop& loop : chains.loops)
    for (const Point& p : loop.polygon) {
      low_ = first ? p.y : std::min(low_, p.y);
      high = first ? p.y : std::max(high, p.y);
      first = false;
    }
  if (first || !(band > 0.0)) return;
  bands_.resize(static_cast<std::size_t>(std::floor((high - low_) / band)) + 1);
  for (std::size_t l = 0; l < chains.loops.size(); ++l) {
    const std::vector<Point>& polygon = chains.loops[l].polygon;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
      const int b0 = band_of(std::min(a.y, b.y), low_, band_, bands_.size());
      const int b1 = band_of(std::max(a.y, b.y), low_, band_, bands_.size());
      for (int k = b0; k <= b1; ++k) bands_[k].push_back({a, b, static_cast<int>(l)});
    }
  }
}

// winding_number's count (checks.cpp), edge by edge, for each loop at once.
std::vector<int> RegionIndex::windings(Point p) const {
  std::vector<int> w(chains_.loops.size(), 0);
  if (bands_.empty()) return w;
  for (const Edge& e : bands_[band_of(p.y, low_, band_, bands_.size())]) {
    const double side = cross(e.b - e.a, p - e.a);
    if (e.a.y <= p.y && e.b.y > p.y && side > 0.0) ++w[e.loop];
    if (e.a.y > p.y && e.b.y <= p.y && side < 0.0) --w[e.loop];
  }
  return w;
}

bool RegionIndex::in_region(Point p) const {
  if (chains_.loops.empty()) return true;
  int total = 0;
  for (int w : windings(p)) total += w;
  return total == region_winding(chains_);
}

int RegionIndex::innermost_loop(Point p) const {
  const std::vector<int> w = windings(p);
  int innermost = -1;
  for (std::size_t k = 0; k < w.size(); ++k)
    if ((innermost < 0 || chains_.loops[k].depth > chains_.loops[innermost].depth) && w[k] != 0)
      innermost = static_cast<int>(k);
  return innermost;
}

}  // namespace geometry
