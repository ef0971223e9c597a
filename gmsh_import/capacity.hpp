// The program's capacities, checked before anything is written, with what
// to do about a model that exceeds them.
#pragma once

#include <functional>

namespace gmsh_import {

// The number of boundary elements the model gives at a size factor.
using ElementsAt = std::function<int(double size_factor)>;

// Throws ImportError when the model's `elements` at `size_factor` are more
// than velda takes. For a model that can be meshed again (`elements_at`
// given), the message names a size factor at which it fits, found by
// meshing it there; for a mesh file, it says to mesh it coarser.
void check_elements(int elements, double size_factor, const ElementsAt* elements_at);

// Throws ImportError when there are more boundaries or internal points than
// velda takes.
void check_boundaries_and_points(int boundaries, int internal_points);

}  // namespace gmsh_import
