// Several right-hand sides from one assembly: side r is the DPOTB that
// GHMAMPC would build were POTB 1 at the nodes of side r and 0 at every other
// node (prescribed potentials, derivatives and source potentials alike),
// AMAT being the same for all of them.
#pragma once

#include "2D/VELDA.hpp"

namespace velda {

struct UnitRightHandSides {
  const int* side;  // side of node J at side[J - 1]: 1, 2, ..., or 0 for none
  double* B;        // side r's row I at B[(I - 1) + MAXEL * (r - 1)], zero on entry
};

// GHMAMPC, building the unit right-hand sides as well: AMAT and DPOTB are
// the same bits as GHMAMPC(v) gives.
void GHMAMPC(Velda& v, const UnitRightHandSides& sides);

}  // namespace velda
