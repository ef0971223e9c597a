// The potential inside the medium that a closed interface (code 3) encloses.
//
// With n the element normal pointing into the medium, EPS the medium's
// permittivity relative to the region and flux continuity q = EPS q2 (q2 the
// medium's derivative along n), the region's Green identity gives 0 at a
// point P of the medium,
//   0 = sum_outer (H u - G q) + sum_interface (H u - G q),
// and the medium's own identity, its outward normal being -n,
//   u(P) = sum_interface (-H u + G q2).
// Adding EPS times the second to the first, the G terms cancel:
//   EPS u(P) = sum_outer (H u - G q) + sum_interface (1 - EPS) H u,
// which is POTENT's sum, the interface nodes' derivative being 0 after
// REORDER. The same identities at an interface node give GHMAMPC its free
// term (1 + EPS) / 2. In the region the first identity alone gives POTENT
// itself: the region is a medium of EPS 1.
#pragma once

namespace velda {

// The potential at a point of a medium of coefficient EPS > 0, from
// POTENT's sum there.
inline double medium_potential(double sum, double EPS) { return sum / EPS; }

}  // namespace velda
