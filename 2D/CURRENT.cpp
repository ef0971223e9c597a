// CURRENT: the flux through each group of nodes, to the report and the
// console. Code -k puts a node in group k; group k's total is
//   FLUX(k) = sum over its nodes J, in node order, of ELEN(J)*DPOTB(J).
// The totals are kept in the storage of POTI, whose internal-point
// potentials have been reported already.
#include <algorithm>

#include "2D/VELDA.hpp"
#include "report/format.hpp"
#include "textio/layout.hpp"
#include "textio/units.hpp"

namespace velda {

void CURRENT(Velda& v, textio::Units& u) {
  for (int k = 1; k <= MAXINT; ++k) v.POTI(k) = 0.0;
  int G = 0;  // the largest group number met
  for (int J = 1; J <= v.NELEM; ++J) {
    if (v.KBC(J) < 0) {
      const int k = -v.KBC(J);
      v.POTI(k) = (v.ELEN(J) * v.DPOTB(J)) + v.POTI(k);
      G = std::max(G, k);
    }
  }
  if (G == 0) return;
  textio::write(u.report, report::kCurrentsHeading);
  for (int k = 1; k <= G; ++k) {
    textio::write(u.report, report::kFlux, {k, v.POTI(k)});
    textio::write(u.console, report::kFlux, {k, v.POTI(k)});
  }
  textio::write(u.report, report::kSeparator);
}

}  // namespace velda
