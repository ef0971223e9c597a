// INFL2D for a run of elements at once, and summed over the images of the
// field point as the assembly and the internal points use it.
#pragma once

#include "2D/VELDA.hpp"

namespace velda {

// G[e] and H[e], for e = 0 ... count-1 (count <= kInfluenceBatch): what
// INFL2D gives for element first + e on the field point (X, Y), bit for bit.
void influence_batch(const Velda& v, double X, double Y, int first, int count, double* G,
                     double* H);

// Gs[e] <- s G + Gs[e] and Hs[e] <- s (weight[e] H) + Hs[e] for the G and H
// of element first + e that influence_batch gives: one image's term of the
// sums of images.hpp, added without the influences passing through memory.
void add_influence_batch(const Velda& v, double X, double Y, int first, int count, double s,
                         const double* weight, double* Gs, double* Hs);

}  // namespace velda
