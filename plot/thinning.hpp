// Thinning points out to a legible density: a grid of square cells laid
// over the picture keeps at most one point in each, the one nearest the
// cell's centre.
#pragma once

#include <cstddef>
#include <vector>

#include "plot/point.hpp"

namespace plot {

// Indices of the points kept, in increasing order.
std::vector<std::size_t> thin_out(const std::vector<Point>& points, double cell);

}  // namespace plot
