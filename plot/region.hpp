// Internal points that lie outside the region, or on its boundary.
//
// The region is where the closed loops wind around a point as often as they
// do just inside an outer boundary: once when some outermost loop runs
// counter-clockwise, and not at all when every outermost loop runs clockwise
// (the region is then the unbounded one outside them). Open chains enclose
// nothing and take no part.
#pragma once

#include <vector>

#include "plot/loops.hpp"
#include "plot/mirror.hpp"
#include "plot/problem.hpp"
#include "plot/warnings.hpp"

namespace plot {

enum class Whereabouts { INSIDE, OUTSIDE, ON_BOUNDARY };

// Where each internal point lies. A point within `tolerance` of an element
// is on the boundary. Without closed loops every point counts as inside.
std::vector<Whereabouts> locate_internal_points(const Problem& problem,
                                                const std::vector<Piece>& pieces,
                                                const Chains& chains, double tolerance);

// One warning for the points outside, one for those on the boundary.
std::vector<Warning> region_warnings(const Problem& problem,
                                     const std::vector<Whereabouts>& whereabouts);

}  // namespace plot
