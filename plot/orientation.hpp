// Whether the boundaries close and run with the region on their left: outer
// boundaries counter-clockwise, holes clockwise, islands in a hole
// counter-clockwise again. A boundary that runs the wrong way turns its
// normals into the region, and the solution is silently wrong.
#pragma once

#include <set>
#include <vector>

#include "plot/loops.hpp"
#include "plot/mirror.hpp"
#include "plot/warnings.hpp"

namespace plot {

// One warning for each loop that runs against its nesting and for each
// chain of boundaries that does not close. Loops made of mirror images
// alone repeat what their originals show and are not reported, and loops
// through a boundary in `crossed` (boundaries with a crossing element) have
// no sense of rotation to judge.
std::vector<Warning> orientation_warnings(const std::vector<Piece>& pieces, const Chains& chains,
                                          const std::set<int>& crossed);

}  // namespace plot
