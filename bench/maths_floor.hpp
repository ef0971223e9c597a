// The floors of the influence calls: what their two logarithms and one arc
// tangent cost on one thread with nothing else around them, from SLEEF as the
// program takes them and from the C library.
#pragma once

#include <vector>

#include "2D/VELDA.hpp"

namespace bench {

// Operand sets of influence calls, one array per operand: ln(r2A), ln(r2B)
// and atan2(y, x).
struct MathsOperands {
  std::vector<double> r2A, r2B, y, x;
};

// `count` operand sets (a multiple of kInfluenceBatch) taken across the calls
// of a run on the solved state v: assembly and internal points in the
// proportion of their calls, every image, spread over the nodes, internal
// points and elements.
MathsOperands sample_operands(const velda::Velda& v, int count);

// `calls` rounds of the three functions, cycling through the sample, with
// nothing else in the loop; each returns a sum of results, so that nothing is
// left out. SLEEF's are taken as influence_batch takes them: the path the
// program chose, on kInfluenceBatch operand sets at a time (`calls` a
// multiple of it).
double sleef_floor(const MathsOperands& sample, long long calls);
double libm_floor(const MathsOperands& sample, long long calls);

}  // namespace bench
