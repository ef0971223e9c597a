// INFL2D for a run of elements at once, as the assembly and the internal
// points use it.
#pragma once

#include "2D/VELDA.hpp"

namespace velda {

// G[e] and H[e], for e = 0 ... count-1 (count <= kInfluenceBatch): what
// INFL2D gives for element first + e on the field point (X, Y), bit for bit.
void influence_batch(const Velda& v, double X, double Y, int first, int count, double* G,
                     double* H);

}  // namespace velda
