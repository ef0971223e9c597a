// The Maxwell matrix of a problem's currents groups from one assembly and one
// elimination with a right-hand side per group.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runcontrol/files.hpp"

namespace matrix {

struct Capacitance {
  std::string title;
  std::vector<int> groups;        // row and column i belong to group groups[i]
  std::vector<int> empty_groups;  // group numbers that no node uses, left out
  // C(i, j) at C[i * n + j], n = groups.size(): the flux out of the region
  // through group i with group j at potential 1 and every other prescribed
  // value 0, per unit length and unit permittivity (or conductivity), for
  // the whole device.
  std::vector<double> C;
  int copies = 1;          // the whole device's matrix is the described part's times this
  bool open = false;       // the region reaches to infinity: C is referred (see below)
  bool reference = false;  // nodes of code 0 or 2 are held at 0 besides the groups
  int IER = 0;             // the solver's status
  // max |C(i, j) - C(j, i)| / max C(i, i); none without a positive diagonal.
  std::optional<double> reciprocity;

  double operator()(int i, int j) const { return C[i * groups.size() + j]; }
};

// The matrix of the input file `name`. The boundary equation leaves out the
// circle at infinity: far away it takes the potential as -(F / 2 pi) ln r
// with no constant term, F the total flux, so that with a net charge the
// zero of potential sits at r = 1 and the matrix would depend on the unit of
// length. In a region open to infinity the potentials are therefore taken
// relative to one another and the charges of all conductors, the
// reference's included, sum to zero: C becomes
//   K = C - (C 1)(1' C) / (1' C 1)
// over the groups and the reference together, whose rows and columns sum to
// zero, and K's rows and columns of the groups are given. Throws
// runcontrol::Failure as velda fails (input, arithmetic, a singular system) and
// Refusal when no matrix can be formed. Progress, when wanted, goes to
// `progress` before each costly step.
Capacitance capacitance(runcontrol::FileSystem& files, const std::string& name,
                        std::ostream* progress = nullptr);

}  // namespace matrix
