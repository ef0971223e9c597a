// What the mirror images and the far field make of a problem's matrix.
#pragma once

#include "2D/VELDA.hpp"

namespace matrix {

// The number of copies of the described part in the whole device: 1
// without symmetry, 2 with one symmetric image, 4 with both. A symmetric
// image (flag 1) holds its conductor's potential, so each group is driven
// together with its images and carries the same charge in each copy: the
// whole device's matrix is the described part's times this number. Throws
// Refusal for an antisymmetric image (flag -1), which fixes the images at
// the opposite potential so that no conductor of the whole device can be
// driven alone, and for any other weight, which no device has.
int copies(const velda::Velda& v);

// Whether the region reaches to infinity: its boundaries, with their mirror
// images and the region on their left, enclose no area (only holes: the
// signed area of all of them is not positive). Each image adds the signed
// area of the described part again, a reflection reversing the order of
// travel as well as the sense of rotation.
bool open_to_infinity(const velda::Velda& v);

}  // namespace matrix
