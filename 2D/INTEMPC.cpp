// INTEMPC: potential and gradient at each internal point i = 1..NINTP,
//   POTI = U(x, y),  GRDX = (U(x + delta, y) - U) / delta,
//   GRDY = (U(x, y + delta) - U) / delta,
// U from POTENT and delta a fixed absolute step: the gradient is the forward
// difference quotient, first-order accurate in delta.
#include "2D/VELDA.hpp"

namespace velda {
namespace {

constexpr double DELTA = 1.0E-4;  // difference step, in the units of the coordinates

}  // namespace

void INTEMPC(Velda& v) {
  for (int i = 1; i <= v.NINTP; ++i) {
    const double x = v.XINT(i);
    const double y = v.YINT(i);
    POTENT(v, x, y, v.POTI(i));
    POTENT(v, x + DELTA, y, v.GRDX(i));
    POTENT(v, x, y + DELTA, v.GRDY(i));
    v.GRDX(i) = (v.GRDX(i) - v.POTI(i)) / DELTA;
    v.GRDY(i) = (v.GRDY(i) - v.POTI(i)) / DELTA;
  }
}

}  // namespace velda
