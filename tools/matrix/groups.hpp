// The currents groups of a problem, as the columns of its matrix, and the
// reference they are measured against.
#pragma once

#include <vector>

#include "2D/VELDA.hpp"

namespace matrix {

// Nodes of prescribed potential outside every group (code 0), and source
// potentials behind an impedance (code 2): held at 0, they are the reference.
bool in_reference(int code);

struct Groups {
  std::vector<int> numbers;  // groups with nodes, ascending: row and column i is numbers[i]
  std::vector<int> empty;    // group numbers below the largest that no node uses
  bool reference = false;    // some node is in the reference
  // side[J - 1]: 1 + the row of node J's group, or 0 outside every group.
  std::vector<int> side;
};

// The groups of the state after the input step. Throws Refusal for a
// problem without a group, or with one group and no other prescribed
// potential, telling what the matrix needs.
Groups find_groups(const velda::Velda& v);

}  // namespace matrix
