// The quantities of a convergence study: every currents group's flux and
// every internal point's potential and gradient components, with their
// value at every level and the estimate of their error.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/converge/richardson.hpp"
#include "tools/converge/solve_level.hpp"

namespace converge {

// A difference below this fraction of the largest value of its kind (over
// every quantity and level) is rounding: the sums of a solve lose about
// 1e-14 of their size, and a forward-difference gradient divides that by
// its step of 1e-4.
inline constexpr double kRoundOff = 1.0E-9;

struct Quantity {
  std::string kind;  // flux, potential, gradient_x or gradient_y, as velda-table names them
  int number = 0;    // the group or the internal point
  std::vector<double> values;  // coarse to fine
  Estimate estimate;
  std::optional<double> own_error;  // the user's level's value minus the extrapolated
};

struct LevelFacts {
  int elements = 0;
  double h = 0.0;
  bool small_pivot = false;
};

struct Study {
  std::vector<LevelFacts> levels;  // coarse to fine
  std::optional<int> own;          // the user's own level
  std::vector<Quantity> quantities;
  std::string scope;  // what the estimate covers, from the level source
};

// Throws Refused when the levels do not have the same groups and points.
Study make_study(const std::vector<Solution>& solutions, const std::vector<double>& h,
                 std::optional<int> own);

}  // namespace converge
