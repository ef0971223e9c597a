#include "lib/panel.hpp"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

#include "lib/DPVT.hpp"
#include "lib/elimination_kernels.hpp"
#include "lib/parallel.hpp"

namespace lib {
namespace {

constexpr std::size_t kCacheLine = 64;
constexpr std::ptrdiff_t kLineDoubles = kCacheLine / sizeof(double);

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

}  // namespace

void Panel::Release::operator()(double* p) const {
  ::operator delete[](p, std::align_val_t{kCacheLine});
}

Panel::Panel(int N)
    : N_(N),
      ld_below_((N + kLineDoubles - 1) / kLineDoubles * kLineDoubles),
      below_(static_cast<double*>(::operator new[]((ld_below_ * kPanelWidth) * sizeof(double),
                                                   std::align_val_t{kCacheLine}))) {}

double& Panel::multiplier(int i, int k) {
  if (i <= last_) return within_[k - first_][i - first_];
  return below_[(i - last_ - 1) + (k - first_) * ld_below_];
}

// The multipliers of stage k for rows k+1 ... last, then for rows last+1 ... N.
const double* Panel::multipliers_within(int k) const {
  return within_[k - first_].data() + (k + 1 - first_);
}
const double* Panel::multipliers_below(int k) const { return &below_[(k - first_) * ld_below_]; }

// Rows k and p trade places in the panel's columns k ... last and in the
// multipliers of its earlier stages, which travel with their rows.
void Panel::interchange_in_panel(ColumnMajor A, int k, int p) {
  for (int j = k; j <= last_; ++j) std::swap(A(k, j), A(p, j));
  for (int earlier = first_; earlier < k; ++earlier)
    std::swap(multiplier(k, earlier), multiplier(p, earlier));
}

void Panel::record_multipliers(ColumnMajor A, int k) {
  for (int i = k + 1; i <= N_; ++i) multiplier(i, k) = A(i, k) / A(k, k);
}

// Row i = row i - f_i * row k for i = k+1 ... N, in columns k+1 ... last.
void Panel::eliminate_in_panel(ColumnMajor A, int k) const {
  const EliminationKernels& kernels = elimination_kernels();
  for (int j = k + 1; j <= last_; ++j) {
    kernels.subtract_multiples(&A(k + 1, j), A(k, j), multipliers_within(k), last_ - k);
    kernels.subtract_multiples(&A(last_ + 1, j), A(k, j), multipliers_below(k), N_ - last_);
  }
}

void Panel::factor(ColumnMajor A, int first, int last, double threshold, int& IER) {
  first_ = first;
  last_ = last;
  for (int k = first; k <= last; ++k) {
    double best;
    const int p = pivot_row(A, N_, k, best);
    flag_small_pivot(best, threshold, k, IER);
    pivot_[k - first] = p;
    if (p != k) interchange_in_panel(A, k, p);
    if (A(k, k) == 0.0) throw SingularMatrix(k);
    record_multipliers(A, k);
    eliminate_in_panel(A, k);
  }
}

// x is a column from its row 1.
void Panel::interchange(double* x) const {
  for (int k = first_; k <= last_; ++k) {
    const int p = pivot_[k - first_];
    if (p != k) std::swap(x[k - 1], x[p - 1]);
  }
}

// The stages in order, each on rows k+1 ... N: the column-oriented loop.
void Panel::apply_to_column(double* x) const {
  const EliminationKernels& kernels = elimination_kernels();
  interchange(x);
  for (int k = first_; k <= last_; ++k) {
    kernels.subtract_multiples(x + k, x[k - 1], multipliers_within(k), last_ - k);
    kernels.subtract_multiples(x + last_, x[k - 1], multipliers_below(k), N_ - last_);
  }
}

// kBlockColumns columns from j0. Rows first ... last get their stages first,
// column by column; they then hold the A(k, j) that rows last+1 ... N
// subtract, all stages at once in update_block.
void Panel::apply_to_block(ColumnMajor A, int j0) const {
  const EliminationKernels& kernels = elimination_kernels();
  for (int j = j0; j < j0 + kBlockColumns; ++j) {
    double* x = A.column(j);
    interchange(x);
    for (int k = first_; k < last_; ++k)
      kernels.subtract_multiples(x + k, x[k - 1], multipliers_within(k), last_ - k);
  }
  kernels.update_block(&A(last_ + 1, j0), &A(first_, j0), A.ld, below_.get(), ld_below_,
                       last_ - first_ + 1, N_ - last_);
}

// Work items: blocks of kBlockColumns trailing columns, the last one possibly
// narrower, then the columns of B. Each is independent of the others.
void Panel::apply_to_trailing(ColumnMajor A, ColumnMajor B, int NRHS) const {
  const int first_trailing = last_ + 1;
  const int blocks = (N_ - last_ + kBlockColumns - 1) / kBlockColumns;
  parallel_for(blocks + NRHS, 1, [&](int first_item, int end_item) {
    for (int item = first_item; item < end_item; ++item) {
      if (item >= blocks) {
        apply_to_column(B.column(item - blocks + 1));
        continue;
      }
      const int j0 = first_trailing + item * kBlockColumns;
      if (j0 + kBlockColumns - 1 <= N_) {
        apply_to_block(A, j0);
      } else {
        for (int j = j0; j <= N_; ++j) apply_to_column(A.column(j));
      }
    }
  });
}

}  // namespace lib
