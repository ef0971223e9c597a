// Finer and coarser descriptions of the same polygon with the same records:
// every element split into equal parts, or neighbouring elements merged.
#pragma once

#include "tools/converge/polygon_input.hpp"

namespace converge {

// A point counts as on the straight line between its neighbours when it lies
// within this fraction of their distance from it: rounding in the input's
// digits, not a bend.
inline constexpr double kStraightness = 1.0E-9;

// Every element cut into `parts` equal elements with its record.
PolygonInput split(const PolygonInput& input, int parts);

// Along each boundary from its start, an element joined with the next into
// one where both carry the same record and the point between them lies on
// the straight line from the one's start to the other's end, so that the
// polygon stays the same; an element that cannot be joined is kept, and the
// pairing goes on from the next.
PolygonInput merge_pairs(const PolygonInput& input);

}  // namespace converge
