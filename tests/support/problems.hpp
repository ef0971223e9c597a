// Boundary problems built directly in the problem state, for the tests of the
// boundary steps.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "2D/VELDA.hpp"
#include "lib/point.hpp"

namespace test_support {

using lib::Point;

// The corners of a polyline with each leg cut into m equal elements: the
// corners themselves appear exactly, the last corner once.
std::vector<Point> polyline(const std::vector<Point>& corners, int m);

// A problem state with a boundary through each point list, after GEOM.
std::unique_ptr<velda::Velda> geometry(const std::vector<std::vector<Point>>& boundaries);

// Sets the code of nodes first..last and their value from their position.
void prescribe(velda::Velda& v, int first, int last, int code,
               const std::function<double(double, double)>& value);

// GHMAMPC, the solver and REORDER, after GEOM and the boundary conditions;
// returns the solver status.
int solve(velda::Velda& v);

}  // namespace test_support
