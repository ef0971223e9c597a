// INFL2D: the influence of element J on the field point P = (X, Y),
//   G = (1/2pi) ∫ ln r ds,   H = (1/2pi) ∫ (r.n)/r^2 ds = theta/(2pi),
// r running from P to the element, n = (TANY, -TANX) the normal on the right
// of the direction of travel. Both integrals are exact: with sA, sB, d the
// operands of influence_operands.hpp and theta the angle from P->start to
// P->end, counter-clockwise,
//   G = c1 (sA ln(sA^2 + d^2) - sB ln(sB^2 + d^2) + 2 (d theta + ELEN)),
// c1 = -1/(4pi), c2 = 1/(2pi), H = c2 theta.
// At the element's own node theta is 0: G is then the weakly singular
// integral (ELEN/2pi)(ln(ELEN/2) - 1) and H = 0, its principal value; the
// free term is the caller's. On an end point s ln(s^2 + d^2) takes its limit 0.
//
// A batch of elements goes through three loops: the operands, then the
// logarithms and arc tangent of influence_maths.hpp on whole vectors, then
// the integrals. Elements the vector calls cannot take (own node, end point)
// are taken again one at a time; a field point far from the batch's box needs
// no look for them. Each element gets the same operations as in one call, so
// the results are the same bits. The two arithmetic loops are built twice, for
// AVX-512 and for any x86-64 processor, and the one the processor runs is
// picked at start-up: with only +, -, *, comparisons and choices, element by
// element, and no contraction of a product and a sum, both give the same bits.
#include "2D/INFL2D.hpp"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "2D/influence_maths.hpp"
#include "2D/influence_operands.hpp"

namespace velda {
namespace {

const double PI = 4.0 * std::atan(1.0);
const double c1 = -0.25 / PI;
const double c2 = 0.5 / PI;

// `count` rounded up to whole vectors.
constexpr int padded(int count) { return (count + kMathsLanes - 1) / kMathsLanes * kMathsLanes; }
constexpr int kPaddedBatch = padded(kInfluenceBatch);

// Everything a batch computes, one entry per element, the maths' operands and
// results padded to whole vectors and aligned to them.
struct Batch {
  alignas(64) double sA[kInfluenceBatch], sB[kInfluenceBatch], d[kInfluenceBatch];
  alignas(64) double r2A[kPaddedBatch], r2B[kPaddedBatch], y[kPaddedBatch], x[kPaddedBatch];
  alignas(64) double lnA[kPaddedBatch], lnB[kPaddedBatch], theta[kPaddedBatch];
};

bool own_node(const Velda& v, double X, double Y, int J) { return (X == v.XN(J)) & (Y == v.YN(J)); }

// Whether the vector calls give element e of the batch its values without
// raising a floating-point flag: not at the own node (theta = 0), not on an
// end point (r2 = 0, ln not taken), not atan2(0, 0), no operand past
// kMathsLargest or not finite (|y| and |x| are at most (r2A + r2B)/2). &
// rather than &&: no branch, so that the loop around it runs on vector
// registers.
bool regular(const Batch& b, int e, bool own_node) {
  return !own_node & (std::min(b.r2A[e], b.r2B[e]) > 0.0) &
         (std::max(b.r2A[e], b.r2B[e]) < kMathsLargest) & ((b.y[e] != 0.0) | (b.x[e] != 0.0));
}

// A field point clear of a batch's box by more than kNear, and less than kFar
// from each of its sides, finds every element of the batch regular: it is no
// node, each squared distance from a start or end point is at least about
// kNear^2, a normal number, and at most 2 kFar^2 < kMathsLargest, and
// (y, x) = (0, 0) would need an end point nearer than that. A few operations
// a batch then stand for the test of each element.
constexpr double kNear = 0x1p-500;
constexpr double kFar = 0x1p440;

bool far_from_batch(const Velda& v, double X, double Y, int first, int count) {
  const int batch = (first - 1) / kInfluenceBatch + 1;
  if (first + count - 1 > batch * kInfluenceBatch) return false;  // two batches' elements
  const Box& box = v.BATCHBOX(batch);
  const bool clear = (X < box.xmin - kNear) | (X > box.xmax + kNear) | (Y < box.ymin - kNear) |
                     (Y > box.ymax + kNear);
  const bool in_range = (std::abs(X - box.xmin) < kFar) & (std::abs(X - box.xmax) < kFar) &
                        (std::abs(Y - box.ymin) < kFar) & (std::abs(Y - box.ymax) < kFar);
  return clear & in_range;
}

// The operands, padded with ln 1 and atan2(0, 1). With finite coordinates
// forming them raises no floating-point flag.
[[gnu::target_clones("avx512f", "default")]] void operands(const Velda& v, double X, double Y,
                                                           int first, int count, Batch& b) {
  for (int e = 0; e < count; ++e) {
    const InfluenceOperands o = influence_operands(v, X, Y, first + e);
    b.sA[e] = o.sA;
    b.sB[e] = o.sB;
    b.d[e] = o.d;
    b.r2A[e] = o.r2A;
    b.r2B[e] = o.r2B;
    b.y[e] = o.y;
    b.x[e] = o.x;
  }
  for (int e = count; e < padded(count); ++e) {
    b.r2A[e] = b.r2B[e] = b.x[e] = 1.0;
    b.y[e] = 0.0;
  }
}

// The number of elements of the batch that are not regular.
[[gnu::target_clones("avx512f", "default")]] int irregular(const Velda& v, double X, double Y,
                                                           int first, int count, const Batch& b) {
  int n = 0;
  for (int e = 0; e < count; ++e) n += regular(b, e, own_node(v, X, Y, first + e)) ? 0 : 1;
  return n;
}

// The maths of a batch with elements that are not regular: their values are
// taken again one at a time. On an end point (r2 = 0) the logarithm is not
// taken and counts as 0; at the own node theta is 0. The functions may raise a
// flag on such operands, for (0, 0) or a huge operand, with no fault behind
// it: the results are finite or, for an operand that is not, already
// announced by the flag its arithmetic raised. So the flags are left as they
// were before.
void maths_with_irregular(const Velda& v, double X, double Y, int first, int count, Batch& b) {
  const InfluenceMaths& maths = influence_maths();
  std::fexcept_t flags;
  std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
  maths.calls(padded(count), b.r2A, b.r2B, b.y, b.x, b.lnA, b.lnB, b.theta);
  for (int e = 0; e < count; ++e) {
    const bool own = own_node(v, X, Y, first + e);
    if (regular(b, e, own)) continue;
    b.lnA[e] = b.r2A[e] == 0.0 ? 0.0 : maths.log(b.r2A[e]);
    b.lnB[e] = b.r2B[e] == 0.0 ? 0.0 : maths.log(b.r2B[e]);
    b.theta[e] = own ? 0.0 : maths.atan2(b.y[e], b.x[e]);
  }
  std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
}

// G = c1 (sA ln(sA^2 + d^2) + T), T = 2 (d theta + ELEN) - sB ln(sB^2 + d^2).
// On an end point s ln(s^2 + d^2) takes its limit 0; here it comes out as
// s * 0, which is -0 for a negative s, but the sums are the same bits as with
// +0: the term is subtracted from 2 (d theta + ELEN) or added to T, neither of
// which is ever -0 (ELEN >= +0), and x - 0 = x + 0 = x for any other x, whatever
// the sign of the zero. As s^2 is 0 there, s is tiny and s * 0 raises nothing.
// Without a choice in it the loops below run on vector registers.
void element_integrals(const Velda& v, const Batch& b, int first, int e, double& G, double& H) {
  H = c2 * b.theta[e];
  const double T = 2.0 * (b.d[e] * b.theta[e] + v.ELEN(first + e)) - b.sB[e] * b.lnB[e];
  G = c1 * (b.sA[e] * b.lnA[e] + T);
}

[[gnu::target_clones("avx512f", "default")]] void integrals(const Velda& v, int first, int count,
                                                            const Batch& b, double* G, double* H) {
  for (int e = 0; e < count; ++e) element_integrals(v, b, first, e, G[e], H[e]);
}

[[gnu::target_clones("avx512f", "default")]] void add_integrals(const Velda& v, int first,
                                                                int count, const Batch& b, double s,
                                                                const double* weight, double* Gs,
                                                                double* Hs) {
  for (int e = 0; e < count; ++e) {
    double G, H;
    element_integrals(v, b, first, e, G, H);
    Gs[e] = s * G + Gs[e];
    Hs[e] = s * (weight[e] * H) + Hs[e];
  }
}

// The operands and their logarithms and arc tangent.
void prepare(const Velda& v, double X, double Y, int first, int count, Batch& b) {
  operands(v, X, Y, first, count, b);
  if (far_from_batch(v, X, Y, first, count) || irregular(v, X, Y, first, count, b) == 0)
    influence_maths().calls(padded(count), b.r2A, b.r2B, b.y, b.x, b.lnA, b.lnB, b.theta);
  else
    maths_with_irregular(v, X, Y, first, count, b);
}

}  // namespace

void influence_batch(const Velda& v, double X, double Y, int first, int count, double* G,
                     double* H) {
  Batch b;
  prepare(v, X, Y, first, count, b);
  integrals(v, first, count, b, G, H);
}

void add_influence_batch(const Velda& v, double X, double Y, int first, int count, double s,
                         const double* weight, double* Gs, double* Hs) {
  Batch b;
  prepare(v, X, Y, first, count, b);
  add_integrals(v, first, count, b, s, weight, Gs, Hs);
}

void INFL2D(const Velda& v, double X, double Y, int J, double& G, double& H) {
  influence_batch(v, X, Y, J, 1, &G, &H);
}

}  // namespace velda
