#include "bench/column_oriented_elimination.hpp"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace bench {

void column_oriented_elimination(double* A_storage, double* B_storage, int N, int NRHS, int LDA,
                                 double TOL, int& IER) {
  auto A = [&](int i, int j) -> double& {
    return A_storage[(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * LDA];
  };
  auto B = [&](int i, int c) -> double& {
    return B_storage[(i - 1) + static_cast<std::ptrdiff_t>(c - 1) * LDA];
  };
  IER = 0;
  double S = 0.0;
  for (int i = 1; i <= N; ++i)
    for (int j = 1; j <= N; ++j) S += std::abs(A(i, j));
  const double threshold = (1.0 / (static_cast<double>(N) * N)) * TOL * S;

  std::vector<double> f(N + 1);
  for (int k = 1; k <= N - 1; ++k) {
    double best = 0.0;
    int p = k;
    for (int i = k; i <= N; ++i) {
      if (std::abs(A(i, k)) > best) {
        best = std::abs(A(i, k));
        p = i;
      }
    }
    if (best < threshold && IER == 0) IER = -k;
    if (p != k) {
      for (int j = k; j <= N; ++j) std::swap(A(k, j), A(p, j));
      for (int c = 1; c <= NRHS; ++c) std::swap(B(k, c), B(p, c));
    }
    bool zero_multiplier = false;
    for (int i = k + 1; i <= N; ++i) {
      f[i] = A(i, k) / A(k, k);
      zero_multiplier = zero_multiplier || f[i] == 0.0;
    }
    // Each element still gets the one update of this stage: only the order
    // of the independent elements changes, columns outer for contiguous rows.
    // Without a zero multiplier the inner loop has no test and the compiler
    // runs it on vector registers.
    for (int j = k + 1; j <= N; ++j) {
      const double u = A(k, j);
      double* column = &A(1, j);
      if (zero_multiplier) {
        for (int i = k + 1; i <= N; ++i)
          if (f[i] != 0.0) column[i - 1] = column[i - 1] - u * f[i];
      } else {
        for (int i = k + 1; i <= N; ++i) column[i - 1] = column[i - 1] - u * f[i];
      }
    }
    for (int c = 1; c <= NRHS; ++c)
      for (int i = k + 1; i <= N; ++i)
        if (f[i] != 0.0) B(i, c) = B(i, c) - B(k, c) * f[i];
  }
  if (std::abs(A(N, N)) < threshold && IER == 0) IER = -N;
  if (NRHS == 0) return;

  for (int c = 1; c <= NRHS; ++c) B(N, c) = B(N, c) / A(N, N);
  for (int i = N - 1; i >= 1; --i) {
    for (int c = 1; c <= NRHS; ++c) {
      for (int j = i + 1; j <= N; ++j) B(i, c) = B(i, c) - A(i, j) * B(j, c);
      B(i, c) = B(i, c) / A(i, i);
    }
  }
}

}  // namespace bench
