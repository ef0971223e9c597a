// REORDER: from the solved unknowns to potential and normal derivative.
//
// The solver leaves in DPOTB(J) the unknown of node J: the normal derivative q
// for codes <= 0 and 2, the potential for codes 1 and 3. Afterwards POTB(J) is
// the potential and DPOTB(J) the derivative for every node: a prescribed
// derivative (code 1) swaps back, an impedance node (code 2) has potential
// V - Z q, and an interface node (code 3) reports derivative 0. Runs once: a
// second call would swap the code-1 values back.
#include <utility>

#include "2D/VELDA.hpp"
#include "2D/codes.hpp"

namespace velda {

void REORDER(Velda& v) {
  for (int J = 1; J <= v.NELEM; ++J) {
    if (v.KBC(J) == KBC_DERIVATIVE) {
      std::swap(v.POTB(J), v.DPOTB(J));
    } else if (v.KBC(J) == KBC_IMPEDANCE) {
      v.POTB(J) = v.POTB(J) - v.BCVAL(J) * v.DPOTB(J);
    } else if (v.KBC(J) == KBC_INTERFACE) {
      v.POTB(J) = v.DPOTB(J);
      v.DPOTB(J) = 0.0;
    }
  }
}

}  // namespace velda
