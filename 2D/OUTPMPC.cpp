// OUTPMPC: the results section of the report, one line per boundary node
// and per internal point. Everything but the arc length S is printed as the
// earlier steps left it.
#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "textio/layout.hpp"
#include "textio/units.hpp"

namespace velda {
namespace {

constexpr const char* kSeparator = R"((" ", 79("*")))";

// S, the arc length from the start of element 1 to each node, runs through
// all boundaries without restarting:
//   S(1) = ELEN(1)*0.5,  S(I+1) = ((ELEN(I+1) + ELEN(I))*0.5) + S(I).
void write_nodes(const Velda& v, textio::OutputChannel& report) {
  textio::write(
      report,
      R"((" ", 79("*"), /, /, 1X, "RESULTS", /, /, 2X, "BOUNDARY NODES", /, /, " NODE", 10X, "X", 15X, "Y", 13X, "S", 13X, "POTENTIAL", 3X, "POTENTIAL DERIVATIVE", /))");
  constexpr const char* kNode = R"((I5, 5(2X, E14.5)))";
  double S = v.ELEN(1) * 0.5;
  for (int I = 1; I <= v.NELEM; ++I) {
    if (v.KBC(I) == KBC_INTERFACE)  // its derivative is not a result
      textio::write(report, kNode, {I, v.XN(I), v.YN(I), S, v.POTB(I)});
    else
      textio::write(report, kNode, {I, v.XN(I), v.YN(I), S, v.POTB(I), v.DPOTB(I)});
    if (I < v.NELEM) S = ((v.ELEN(I + 1) + v.ELEN(I)) * 0.5) + S;
  }
}

void write_internal_points(const Velda& v, textio::OutputChannel& report) {
  if (v.NINTP == 0) return;
  textio::write(
      report,
      R"((/, /, 2X, "INTERNAL POINTS", /, /, 8X, "X", 15X, "Y", 13X, "POTENTIAL", 8X, "GRADV-X", 9X, "GRADV-Y", /))");
  for (int J = 1; J <= v.NINTP; ++J)
    textio::write(report, R"((5(2X, E14.5)))",
                  {v.XINT(J), v.YINT(J), v.POTI(J), v.GRDX(J), v.GRDY(J)});
}

}  // namespace

void OUTPMPC(const Velda& v, textio::Units& u) {
  write_nodes(v, u.report);
  write_internal_points(v, u.report);
  textio::write(u.report, kSeparator);
}

}  // namespace velda
