// Refusal of boundaries that cannot be made into elements.
#pragma once

#include "2D/VELDA.hpp"
#include "textio/units.hpp"

namespace velda {

// The stop message of every refused input.
inline constexpr const char* kFatalError = "*** FATAL ERROR ***";

// Stops the run with a message on the console and in the report when the
// counts, the last-node list and the points read cannot make NELEM elements
// of non-zero length: no elements, a last-node list that does not increase
// or runs past the point list, a total of elements other than NELEM, or two
// consecutive points so close (or equal) that the element between them has
// no length. Only the first fault found is shown.
void refuse_invalid_boundaries(const Velda& v, textio::Units& u);

}  // namespace velda
