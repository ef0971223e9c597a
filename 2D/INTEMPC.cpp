// INTEMPC: potential and gradient at each internal point i = 1..NINTP,
//   POTI = U(x, y),  GRDX = (U(x + delta, y) - U) / delta,
//   GRDY = (U(x, y + delta) - U) / delta,
// U from POTENT and delta a fixed absolute step: the gradient is the forward
// difference quotient, first-order accurate in delta.
#include "2D/VELDA.hpp"
#include "lib/parallel.hpp"

namespace velda {
namespace {

constexpr double DELTA = 1.0E-4;  // difference step, in the units of the coordinates
// Points are independent and are shared over the threads, this many at a
// time: a point costs 12 NELEM influence calls, about a third of a millisecond.
constexpr int kPointsPerTask = 4;

// Point i alone: it reads the boundary solution and writes only entry i of
// POTI, GRDX and GRDY.
void evaluate_point(Velda& v, int i) {
  const double x = v.XINT(i);
  const double y = v.YINT(i);
  double U[3];
  POTENT(v, {{x, y}, {x + DELTA, y}, {x, y + DELTA}}, U);
  v.POTI(i) = U[0];
  v.GRDX(i) = (U[1] - U[0]) / DELTA;
  v.GRDY(i) = (U[2] - U[0]) / DELTA;
}

}  // namespace

void INTEMPC(Velda& v) {
  lib::parallel_for(v.NINTP, kPointsPerTask, [&](int first, int last) {
    for (int i = first + 1; i <= last; ++i) evaluate_point(v, i);
  });
}

}  // namespace velda
