// Element (i, j), counted from 1, of a matrix stored column by column.
#pragma once

#include <cstddef>

namespace lib {

struct ColumnMajor {
  double* data;
  int ld;
  double& operator()(int i, int j) const {
    return data[(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * ld];
  }
  double* column(int j) const { return &(*this)(1, j); }
};

}  // namespace lib
