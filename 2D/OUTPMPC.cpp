// OUTPMPC: the results section of the report, one line per boundary node
// and per internal point. Everything but the arc length S is printed as the
// earlier steps left it.
#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "report/format.hpp"
#include "textio/layout.hpp"
#include "textio/units.hpp"

namespace velda {
namespace {

// S, the arc length from the start of element 1 to each node, runs through
// all boundaries without restarting:
//   S(1) = ELEN(1)*0.5,  S(I+1) = ((ELEN(I+1) + ELEN(I))*0.5) + S(I).
void write_nodes(const Velda& v, textio::OutputChannel& report) {
  textio::write(report, report::kSeparator);
  textio::write(report, report::kNodesHeading);
  double S = v.ELEN(1) * 0.5;
  for (int I = 1; I <= v.NELEM; ++I) {
    if (v.KBC(I) == KBC_INTERFACE)  // its derivative is not a result
      textio::write(report, report::kNodeResult, {I, v.XN(I), v.YN(I), S, v.POTB(I)});
    else
      textio::write(report, report::kNodeResult, {I, v.XN(I), v.YN(I), S, v.POTB(I), v.DPOTB(I)});
    if (I < v.NELEM) S = ((v.ELEN(I + 1) + v.ELEN(I)) * 0.5) + S;
  }
}

void write_internal_points(const Velda& v, textio::OutputChannel& report) {
  if (v.NINTP == 0) return;
  textio::write(report, report::kInternalHeading);
  for (int J = 1; J <= v.NINTP; ++J)
    textio::write(report, report::kInternalResult,
                  {v.XINT(J), v.YINT(J), v.POTI(J), v.GRDX(J), v.GRDY(J)});
}

}  // namespace

void OUTPMPC(const Velda& v, textio::Units& u) {
  write_nodes(v, u.report);
  write_internal_points(v, u.report);
  textio::write(u.report, report::kSeparator);
}

}  // namespace velda
