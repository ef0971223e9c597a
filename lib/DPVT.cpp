// Gaussian elimination with partial pivoting, a panel of stages at a time
// (lib/panel.hpp). Every element of A and B receives exactly the operations,
// in exactly the order, of the textbook row-by-row elimination, so results
// are bit for bit those of that loop; only the order in which independent
// elements are visited differs. At order 1600 this runs about 7 times
// faster on one thread than a column-oriented elimination whose inner loop
// the compiler vectorises (velda_bench in bench/), and the columns of each
// panel's update are shared over the threads.
#include "lib/DPVT.hpp"

#include <algorithm>
#include <cmath>

#include "lib/column_major.hpp"
#include "lib/panel.hpp"

namespace lib {
namespace {

// t = (1 / N^2) * TOL * S, S = sum |A(i, j)| over the N x N block, rows
// outer and columns inner: TOL times the mean magnitude of the entries.
double singularity_threshold(ColumnMajor A, int N, double TOL) {
  double S = 0.0;
  for (int i = 1; i <= N; ++i)
    for (int j = 1; j <= N; ++j) S += std::abs(A(i, j));
  return (1.0 / (static_cast<double>(N) * N)) * TOL * S;
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
  Panel panel(N);
  for (int first = 1; first <= N - 1; first += kPanelWidth) {
    const int last = std::min(first + kPanelWidth - 1, N - 1);
    panel.factor(A, first, last, threshold, IER);
    panel.apply_to_trailing(A, B, NRHS);
  }
  flag_small_pivot(std::abs(A(N, N)), threshold, N, IER);
  if (A(N, N) == 0.0) throw SingularMatrix(N);
  if (NRHS == 0) return;
  back_substitute(A, B, N, NRHS);
}

}  // namespace lib
