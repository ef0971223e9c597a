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
//
// A batch of elements goes through three loops: the operands, then the C
// library's logarithms and arc tangent with nothing else around them, then
// the integrals. Each element gets the same operations as in one call, so the
// results are the same bits; but no value has to be saved around each library
// call, and the two arithmetic loops run on vector registers. The compiler
// builds them twice, for AVX-512 and for any x86-64 processor, and the one
// the processor runs is picked at start-up: with only +, -, *, comparisons
// and choices, element by element, and no contraction of a product and a
// sum, both give the same bits. This brings the influence calls from about
// 1.4 to about 1.1 times the cost of their library calls alone (bench/, one
// thread).
#include "2D/INFL2D.hpp"

#include <cmath>

namespace velda {
namespace {

const double PI = 4.0 * std::atan(1.0);
const double c1 = -0.25 / PI;
const double c2 = 0.5 / PI;

// Everything a batch computes, one entry per element.
struct Batch {
  double sA[kInfluenceBatch], sB[kInfluenceBatch], d[kInfluenceBatch];
  double r2A[kInfluenceBatch], r2B[kInfluenceBatch];  // s^2 + d^2 at the two ends
  double y[kInfluenceBatch], x[kInfluenceBatch];      // the arc tangent's operands
  double special[kInfluenceBatch];  // 1 on an end point (r2 = 0) or the own node, else 0
  double lnA[kInfluenceBatch], lnB[kInfluenceBatch], theta[kInfluenceBatch];
};

// The arc tangent's operands are formed for the own node as well, where they
// are not used: with finite coordinates they raise no floating-point flag.
[[gnu::target_clones("avx512f", "default")]] void operands(const Velda& v, double X, double Y,
                                                           int first, int count, Batch& b) {
  for (int e = 0; e < count; ++e) {
    const int J = first + e;
    const double DXA = X - v.XP(J);
    const double DYA = Y - v.YP(J);
    const double sA = -(v.TANY(J) * DYA + v.TANX(J) * DXA);
    const double sB = v.ELEN(J) + sA;
    const double d = v.TANY(J) * DXA - v.TANX(J) * DYA;
    const double d2 = d * d;
    b.sA[e] = sA;
    b.sB[e] = sB;
    b.d[e] = d;
    b.r2A[e] = sA * sA + d2;
    b.r2B[e] = sB * sB + d2;
    b.y[e] = (sA - sB) * d;
    b.x[e] = sA * sB + d2;
    const bool own_node = X == v.XN(J) && Y == v.YN(J);
    b.special[e] = b.r2A[e] == 0.0 || b.r2B[e] == 0.0 || own_node ? 1.0 : 0.0;
  }
}

// On an end point (r2 = 0) the logarithm is not taken and counts as 0; at
// the element's own node (X, Y) = (XN, YN), exactly, theta is 0. Anywhere
// else, nearly everywhere, the three calls are made without a further look.
void library_calls(const Velda& v, double X, double Y, int first, int count, Batch& b) {
  for (int e = 0; e < count; ++e) {
    if (b.special[e] == 0.0) {
      b.lnA[e] = std::log(b.r2A[e]);
      b.lnB[e] = std::log(b.r2B[e]);
      b.theta[e] = std::atan2(b.y[e], b.x[e]);
    } else {
      b.lnA[e] = b.r2A[e] == 0.0 ? 0.0 : std::log(b.r2A[e]);
      b.lnB[e] = b.r2B[e] == 0.0 ? 0.0 : std::log(b.r2B[e]);
      const bool own_node = X == v.XN(first + e) && Y == v.YN(first + e);
      b.theta[e] = own_node ? 0.0 : std::atan2(b.y[e], b.x[e]);
    }
  }
}

// G = c1 (sA ln(sA^2 + d^2) + T), T = 2 (d theta + ELEN) - sB ln(sB^2 + d^2).
// On an end point s ln(s^2 + d^2) takes its limit 0; here it comes out as
// s * 0, which is -0 for a negative s, but the sums are the same bits as with
// +0: the term is subtracted from 2 (d theta + ELEN) or added to T, neither of
// which is ever -0 (ELEN >= +0), and x - 0 = x + 0 = x for any other x, whatever
// the sign of the zero. As s^2 is 0 there, s is tiny and s * 0 raises nothing.
// Without a choice in it the loop runs on vector registers.
[[gnu::target_clones("avx512f", "default")]] void integrals(const Velda& v, int first, int count,
                                                            const Batch& b, double* G, double* H) {
  for (int e = 0; e < count; ++e) {
    const int J = first + e;
    H[e] = c2 * b.theta[e];
    const double T = 2.0 * (b.d[e] * b.theta[e] + v.ELEN(J)) - b.sB[e] * b.lnB[e];
    G[e] = c1 * (b.sA[e] * b.lnA[e] + T);
  }
}

}  // namespace

void influence_batch(const Velda& v, double X, double Y, int first, int count, double* G,
                     double* H) {
  Batch b;
  operands(v, X, Y, first, count, b);
  library_calls(v, X, Y, first, count, b);
  integrals(v, first, count, b, G, H);
}

void INFL2D(const Velda& v, double X, double Y, int J, double& G, double& H) {
  influence_batch(v, X, Y, J, 1, &G, &H);
}

}  // namespace velda
