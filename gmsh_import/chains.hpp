// The boundaries of the input: elements joined into chains by their shared
// nodes, each turned so that the region lies on its left.
#pragma once

#include <vector>

#include "gmsh_import/groups.hpp"
#include "gmsh_import/model.hpp"

namespace gmsh_import {

struct Boundary {
  std::vector<lib::Point> points;  // a closed boundary repeats its first point at its end
  std::vector<int> conditions;     // of each element, points[i] to points[i + 1]
};

// The chains of groups.edges, in the order of their first edge in that list,
// each from that edge on in its direction, then turned to keep the region on
// its left. The region lies inside the outermost closed chains (outside them
// with options.exterior), outside the chains inside those, and so on by
// turns; a chain that ends on symmetry axes at both ends is closed along the
// axes for this count. Throws ImportError for a node where more than two
// elements meet and for an open chain (unless options.open_as_drawn, which
// leaves it as drawn).
std::vector<Boundary> boundaries(const Model& model, const Groups& groups, const Options& options);

}  // namespace gmsh_import
