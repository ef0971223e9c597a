// The floor of the influence calls: what their two logarithms and one arc
// tangent cost on one thread with nothing else around them.
#pragma once

#include <vector>

#include "2D/VELDA.hpp"

namespace bench {

// The operands of one influence call: ln(sA^2 + d^2), ln(sB^2 + d^2) and
// atan2((sA - sB) d, sA sB + d^2).
struct LibmArguments {
  double r2A, r2B, y, x;
};

// `count` operand sets taken across the calls of a run on the solved state v:
// assembly and internal points in the proportion of their calls, every
// image, spread over the nodes, internal points and elements.
std::vector<LibmArguments> sample_arguments(const velda::Velda& v, int count);

// `calls` rounds of log, log and atan2, cycling through the sample, with
// nothing else in the loop; returns the sum of the results.
double floor_loop(const std::vector<LibmArguments>& sample, long long calls);

}  // namespace bench
