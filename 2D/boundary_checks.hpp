// Boundaries that cannot be made into elements.
#pragma once

#include <string>

#include "2D/VELDA.hpp"

namespace velda {

// Why the counts, the last-node list and the points read cannot make NELEM
// elements of non-zero length, or an empty text when they can: no elements,
// a last-node list that does not increase or runs past the point list, a
// total of elements other than NELEM, or two consecutive points so close (or
// equal) that the element between them has no length. Only the first fault
// found is told.
std::string boundary_fault(const Velda& v);

}  // namespace velda
