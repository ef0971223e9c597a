// Gaussian elimination with partial pivoting. Every element of A and B
// receives exactly the operations, in exactly the order, of the textbook
// row-by-row elimination, so results are bit for bit those of that loop; only
// the order in which independent elements are visited differs (see eliminate).
#include "lib/DPVT.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace lib {
namespace {

// Rows of one stage whose multipliers are held at once: 2 KiB on the stack,
// so a solve allocates nothing whatever its order.
constexpr int kRowBatch = 256;

// Element (i, j), counted from 1, of a matrix stored column by column.
struct ColumnMajor {
  double* data;
  int ld;
  double& operator()(int i, int j) const {
    return data[(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * ld];
  }
};

// t = (1 / N^2) * TOL * S, S = sum |A(i, j)| over the N x N block, rows
// outer and columns inner: TOL times the mean magnitude of the entries.
double singularity_threshold(ColumnMajor A, int N, double TOL) {
  double S = 0.0;
  for (int i = 1; i <= N; ++i)
    for (int j = 1; j <= N; ++j) S += std::abs(A(i, j));
  return (1.0 / (static_cast<double>(N) * N)) * TOL * S;
}

// The row p in k ... N of the largest |A(p, k)|, the first of equals; k if
// the column is zero there. Its magnitude goes to `best`.
int pivot_row(ColumnMajor A, int N, int k, double& best) {
  best = 0.0;
  int p = k;
  for (int i = k; i <= N; ++i) {
    if (std::abs(A(i, k)) > best) {
      best = std::abs(A(i, k));
      p = i;
    }
  }
  return p;
}

// Only the first small pivot is recorded.
void flag_small_pivot(double magnitude, double threshold, int k, int& IER) {
  if (magnitude < threshold && IER == 0) IER = -k;
}

// Rows k and p trade places in columns k ... N of A (the columns to the left
// are never read again) and in every column of B.
void interchange(ColumnMajor A, ColumnMajor B, int N, int NRHS, int k, int p) {
  for (int j = k; j <= N; ++j) std::swap(A(k, j), A(p, j));
  for (int c = 1; c <= NRHS; ++c) std::swap(B(k, c), B(p, c));
}

// x(m) = x(m) - pivot_entry * f(m) for m < count. A row with f(m) exactly 0
// is left alone: subtracting a zero product could still turn -0 into +0, or
// an infinite pivot_entry into NaN.
void subtract_multiples(double* x, double pivot_entry, const double* f, int count) {
  for (int m = 0; m < count; ++m)
    if (f[m] != 0.0) x[m] = x[m] - pivot_entry * f[m];
}

// Stage k: row i = row i - f_i * row k for i = k+1 ... N in columns k+1 ... N
// of A and in B, with f_i = A(i, k) / A(k, k); A(i, k) itself is kept.
// No element of rows k+1 ... N is read by the update of another, and row k
// and column k do not change, so each element gets the same single update
// whether rows or columns run outer. Columns outer walks memory contiguously
// and roughly halves the time of rows outer on a 1600 x 1600 system.
void eliminate(ColumnMajor A, ColumnMajor B, int N, int NRHS, int k) {
  std::array<double, kRowBatch> f;
  for (int first = k + 1; first <= N; first += kRowBatch) {
    const int count = std::min(N - first + 1, kRowBatch);
    for (int m = 0; m < count; ++m) f[m] = A(first + m, k) / A(k, k);
    for (int j = k + 1; j <= N; ++j) subtract_multiples(&A(first, j), A(k, j), f.data(), count);
    for (int c = 1; c <= NRHS; ++c) subtract_multiples(&B(first, c), B(k, c), f.data(), count);
  }
}

// x(N) = b(N) / U(N, N), then for i = N-1 ... 1:
// x(i) = (b(i) - U(i, i+1) x(i+1) - ... - U(i, N) x(N)) / U(i, i),
// subtracting in that order and rounding each difference.
void back_substitute(ColumnMajor A, ColumnMajor B, int N, int NRHS) {
  for (int c = 1; c <= NRHS; ++c) B(N, c) = B(N, c) / A(N, N);
  for (int i = N - 1; i >= 1; --i) {
    for (int c = 1; c <= NRHS; ++c) {
      double x = B(i, c);
      for (int j = i + 1; j <= N; ++j) x = x - A(i, j) * B(j, c);
      B(i, c) = x / A(i, i);
    }
  }
}

}  // namespace

void DPVT(double* A_storage, double* B_storage, const int& N, const int& NRHS, const int& LDA,
          const double& TOL, int& IER) {
  const ColumnMajor A{A_storage, LDA};
  const ColumnMajor B{B_storage, LDA};
  IER = 0;
  const double threshold = singularity_threshold(A, N, TOL);
  for (int k = 1; k <= N - 1; ++k) {
    double best;
    const int p = pivot_row(A, N, k, best);
    flag_small_pivot(best, threshold, k, IER);
    if (p != k) interchange(A, B, N, NRHS, k, p);
    if (A(k, k) == 0.0) throw SingularMatrix(k);
    eliminate(A, B, N, NRHS, k);
  }
  flag_small_pivot(std::abs(A(N, N)), threshold, N, IER);
  if (A(N, N) == 0.0) throw SingularMatrix(N);
  if (NRHS == 0) return;
  back_substitute(A, B, N, NRHS);
}

}  // namespace lib
