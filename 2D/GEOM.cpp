// GEOM: elements, nodes, lengths and tangents from the boundary point lists.
//
// Boundary K holds the points F..L of XP/YP, F = LASTND(K-1) + 1, L = LASTND(K),
// and gives the L - F elements joining consecutive points; a closed boundary
// repeats its first point last. Elements are numbered on across boundaries.
// Element J then runs from (XP(J), YP(J)) to (XE(J), YE(J)), and with
// DX = XE - XP, DY = YE - YP:
//   XN = (XE + XP) * 0.5,   ELEN = sqrt(DY^2 + DX^2),   TAN = (DX, DY) / ELEN.
// The input step has refused elements of zero length. Each batch of
// kInfluenceBatch elements gets the box of its start and end points, which
// holds its nodes too.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "2D/VELDA.hpp"

namespace velda {
namespace {

// The end points of the elements of points F..L, then their start points
// moved down to the element numbers. All end points are read before any start
// point moves, and points only move down in increasing order, so no point is
// overwritten before it is read.
void number_elements(Velda& v, int F, int L, int& J, int& M) {
  for (int I = F; I <= L - 1; ++I) {
    v.XE(J) = v.XP(I + 1);
    v.YE(J) = v.YP(I + 1);
    ++J;
  }
  for (int I = F; I <= L - 1; ++I) {
    v.XP(M) = v.XP(I);
    v.YP(M) = v.YP(I);
    ++M;
  }
}

void shape_element(Velda& v, int J) {
  v.XN(J) = (v.XE(J) + v.XP(J)) * 0.5;
  v.YN(J) = (v.YE(J) + v.YP(J)) * 0.5;
  const double DX = v.XE(J) - v.XP(J);
  const double DY = v.YE(J) - v.YP(J);
  v.ELEN(J) = std::sqrt(DY * DY + DX * DX);
  assert(v.ELEN(J) > 0.0);
  v.TANX(J) = DX / v.ELEN(J);
  v.TANY(J) = DY / v.ELEN(J);
}

void include(Box& box, double x, double y) {
  box.xmin = std::min(box.xmin, x);
  box.xmax = std::max(box.xmax, x);
  box.ymin = std::min(box.ymin, y);
  box.ymax = std::max(box.ymax, y);
}

void box_batch(Velda& v, int batch) {
  const int first = (batch - 1) * kInfluenceBatch + 1;
  const int last = std::min(first + kInfluenceBatch - 1, v.NELEM);
  Box box{v.XP(first), v.XP(first), v.YP(first), v.YP(first)};
  for (int J = first; J <= last; ++J) {
    include(box, v.XP(J), v.YP(J));
    include(box, v.XE(J), v.YE(J));
  }
  v.BATCHBOX(batch) = box;
}

}  // namespace

void GEOM(Velda& v) {
  int J = 1;
  int M = 1;
  for (int K = 1; K <= v.NBND; ++K) {
    const int F = K == 1 ? 1 : v.LASTND(K - 1) + 1;
    number_elements(v, F, v.LASTND(K), J, M);
  }
  for (int E = 1; E <= v.NELEM; ++E) shape_element(v, E);
  for (int B = 1; B <= (v.NELEM + kInfluenceBatch - 1) / kInfluenceBatch; ++B) box_batch(v, B);
}

}  // namespace velda
