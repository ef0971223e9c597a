// The operands of the influence integrals of element J at the field point
// P = (X, Y): the program's one statement of them, which INFL2D, the floor of
// bench/ and the tests all use. A is the element's start point.
//   sA = -(TANY DYA + TANX DXA)  the start point's coordinate along the tangent,
//                                from the foot of the perpendicular from P
//   sB = ELEN + sA               the end point's
//   d  = TANY DXA - TANX DYA     the signed distance of P from the element's line
// with (DXA, DYA) = P - A; the logarithms are taken of the squared distances
// r2A = sA^2 + d^2 and r2B = sB^2 + d^2, the arc tangent atan2(y, x) of
// y = (sA - sB) d and x = sA sB + d^2.
#pragma once

#include "2D/VELDA.hpp"

namespace velda {

struct InfluenceOperands {
  double sA, sB, d;
  double r2A, r2B;  // s^2 + d^2 at the start and the end point
  double y, x;      // the arc tangent's operands
};

inline InfluenceOperands influence_operands(const Velda& v, double X, double Y, int J) {
  const double DXA = X - v.XP(J);
  const double DYA = Y - v.YP(J);
  const double sA = -(v.TANY(J) * DYA + v.TANX(J) * DXA);
  const double sB = v.ELEN(J) + sA;
  const double d = v.TANY(J) * DXA - v.TANX(J) * DYA;
  const double d2 = d * d;
  return {sA, sB, d, sA * sA + d2, sB * sB + d2, (sA - sB) * d, sA * sB + d2};
}

}  // namespace velda
