// A panel of the elimination: a run of consecutive stages carried out first
// on their own columns only, then applied to the columns to their right and
// to the right-hand sides all at once.
//
// Stage k of the elimination changes a column j > k in two ways: it swaps
// rows k and p_k, then subtracts A(k, j) f_i(k) from row i > k, with
// f_i(k) = A(i, k) / A(k, k). Delaying both for the stages of a panel gives
// the same result when the column receives them in stage order. Applying all
// the panel's swaps first is also the same, provided each multiplier is
// carried along with its row by the later swaps: every element then meets
// the same multipliers, the same A(k, j) and the same stages in the same
// order as in the textbook loop. This is what lets 16 x 8 elements stay in
// registers through all the stages of a panel.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "lib/column_major.hpp"

namespace lib {

// Stages per panel. A panel of order-1600 multipliers is 400 KiB, so it stays
// in the second-level cache while every block of columns reads it.
inline constexpr int kPanelWidth = 32;

// Only the first small pivot is recorded in IER.
inline void flag_small_pivot(double magnitude, double threshold, int k, int& IER) {
  if (magnitude < threshold && IER == 0) IER = -k;
}

class Panel {
 public:
  // Room for the panels of a system of order N.
  explicit Panel(int N);

  // Stages first ... last (first <= last <= N - 1) on columns first ... last
  // of A: pivot search, small-pivot flag, interchange, multipliers and
  // elimination, exactly as in the textbook loop but confined to these
  // columns. The multipliers are kept; A(i, k) below the diagonal is left
  // as the stage found it. Throws SingularMatrix on an exactly zero pivot.
  void factor(ColumnMajor A, int first, int last, double threshold, int& IER);

  // The stages of the last factor() applied to columns last+1 ... N of A
  // and to the NRHS columns of B, spread over the threads.
  void apply_to_trailing(ColumnMajor A, ColumnMajor B, int NRHS) const;

 private:
  double& multiplier(int i, int k);
  const double* multipliers_within(int k) const;
  const double* multipliers_below(int k) const;
  void interchange_in_panel(ColumnMajor A, int k, int p);
  void record_multipliers(ColumnMajor A, int k);
  void eliminate_in_panel(ColumnMajor A, int k) const;
  void interchange(double* x) const;
  void apply_to_column(double* x) const;
  void apply_to_block(ColumnMajor A, int j0) const;

  struct Release {
    void operator()(double* p) const;
  };

  int N_;
  int first_ = 0, last_ = 0;
  std::array<int, kPanelWidth> pivot_{};  // row swapped with row k at stage k
  // Multipliers of stage k for the rows i <= last, at within_[k - first][i - first] ...
  std::array<std::array<double, kPanelWidth>, kPanelWidth> within_{};
  // ... and for the rows i > last, at below_[(i - last - 1) + (k - first) * ld_below_],
  // each column aligned to a cache line.
  std::ptrdiff_t ld_below_;
  std::unique_ptr<double[], Release> below_;
};

}  // namespace lib
