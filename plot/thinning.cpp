#include "plot/thinning.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace plot {

std::vector<std::size_t> thin_out(const std::vector<Point>& points, double cell) {
  std::map<std::pair<long, long>, std::size_t> kept;  // by cell: the point nearest its centre
  const auto centre_distance = [&](std::size_t i) {
    const Point p = points[i];
    return distance(p,
                    {(std::floor(p.x / cell) + 0.5) * cell, (std::floor(p.y / cell) + 0.5) * cell});
  };
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::pair<long, long> key{std::lround(std::floor(points[i].x / cell)),
                                    std::lround(std::floor(points[i].y / cell))};
    const auto [slot, fresh] = kept.try_emplace(key, i);
    if (!fresh && centre_distance(i) < centre_distance(slot->second)) slot->second = i;
  }
  std::vector<std::size_t> chosen;
  for (const auto& [key, i] : kept) chosen.push_back(i);
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

}  // namespace plot
