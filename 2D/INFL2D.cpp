// INFL2D: the influence of element J on the field point P = (X, Y),
//   G = (1/2pi) ∫ ln r ds,   H = (1/2pi) ∫ (r.n)/r^2 ds = theta/(2pi),
// r running from P to the element, n = (TANY, -TANX) the normal on the right
// of the direction of travel. Both integrals are exact: with sA, sB the
// coordinates of the start and end point along the tangent, measured from the
// foot of the perpendicular from P, d the signed distance of P from the
// element's line (positive on the side of n) and theta the angle from P->start
// to P->end, counter-clockwise,
//   G = c1 (sA ln(sA^2 + d^2) - sB ln(sB^2 + d^2) + 2 (d theta + ELEN)),
// c1 = -1/(4pi), c2 = 1/(2pi), H = c2 theta.
// At the element's own node theta is 0: G is then the weakly singular
// integral (ELEN/2pi)(ln(ELEN/2) - 1) and H = 0, its principal value; the
// free term is the caller's. On an end point s ln(s^2 + d^2) takes its limit 0.
#include <cmath>

#include "2D/VELDA.hpp"

namespace velda {
namespace {

const double PI = 4.0 * std::atan(1.0);
const double c1 = -0.25 / PI;
const double c2 = 0.5 / PI;

// s ln(s^2 + d2), which tends to 0 as the distance s^2 + d2 vanishes.
inline double s_ln(double s, double d2) {
  const double r2 = s * s + d2;
  return r2 == 0.0 ? 0.0 : s * std::log(r2);
}

}  // namespace

void INFL2D(const Velda& v, double X, double Y, int J, double& G, double& H) {
  const double DXA = X - v.XP(J);
  const double DYA = Y - v.YP(J);
  const double sA = -(v.TANY(J) * DYA + v.TANX(J) * DXA);
  const double sB = v.ELEN(J) + sA;
  const double d = v.TANY(J) * DXA - v.TANX(J) * DYA;
  const double d2 = d * d;
  const bool own_node = X == v.XN(J) && Y == v.YN(J);
  const double theta = own_node ? 0.0 : std::atan2((sA - sB) * d, sA * sB + d2);
  H = c2 * theta;
  const double T = 2.0 * (d * theta + v.ELEN(J)) - s_ln(sB, d2);
  G = c1 * (s_ln(sA, d2) + T);
}

}  // namespace velda
