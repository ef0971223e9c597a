#include "tools/matrix/capacitance.hpp"

#include <algorithm>
#include <cmath>

#include "2D/solve_system.hpp"
#include "2D/step.hpp"
#include "2D/unit_right_hand_sides.hpp"
#include "tools/matrix/groups.hpp"
#include "tools/matrix/problem.hpp"
#include "tools/matrix/symmetry.hpp"

namespace matrix {
namespace {

using velda::MAXEL;

// F(i, r) = sum over the nodes J of side i, in node order, of ELEN(J) X(J, r):
// the flux through side i under unit side r, as velda's CURRENT sums it.
std::vector<double> fluxes(const velda::Velda& v, const std::vector<int>& side,
                           const std::vector<double>& X, int n) {
  std::vector<double> F(n * n, 0.0);
  for (int r = 0; r < n; ++r)
    for (int J = 1; J <= v.NELEM; ++J)
      if (side[J - 1] > 0) {
        double& f = F[(side[J - 1] - 1) * n + r];
        f = (v.ELEN(J) * X[(J - 1) + MAXEL * r]) + f;
      }
  return F;
}

// K = C - (C 1)(1' C) / (1' C 1): the charges for potentials taken relative
// to one another, their sum held at zero. Empty when the conductors together
// take no net charge, so that none can be held at zero.
std::vector<double> referred(const std::vector<double>& C, int n) {
  std::vector<double> rows(n, 0.0), columns(n, 0.0);
  double total = 0.0;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) rows[i] += C[i * n + j], columns[j] += C[i * n + j];
  for (int i = 0; i < n; ++i) total += rows[i];
  if (!(std::abs(total) > 0.0)) return {};
  std::vector<double> K(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) K[i * n + j] = C[i * n + j] - rows[i] * columns[j] / total;
  return K;
}

std::optional<double> reciprocity(const std::vector<double>& C, int n) {
  double largest_diagonal = 0.0, largest_difference = 0.0;
  for (int i = 0; i < n; ++i) {
    largest_diagonal = std::max(largest_diagonal, C[i * n + i]);
    for (int j = 0; j < n; ++j)
      largest_difference = std::max(largest_difference, std::abs(C[i * n + j] - C[j * n + i]));
  }
  if (!(largest_diagonal > 0.0)) return std::nullopt;
  return largest_difference / largest_diagonal;
}

// In an open region the reference is one more conductor, whose charge counts
// in the sum: its nodes become one more side. Returns the number of sides.
int with_reference_side(const velda::Velda& v, Groups& g) {
  const int side = static_cast<int>(g.numbers.size()) + 1;
  for (int J = 1; J <= v.NELEM; ++J)
    if (in_reference(v.KBC(J))) g.side[J - 1] = side;
  return side;
}

}  // namespace

Capacitance capacitance(runcontrol::FileSystem& files, const std::string& name,
                        std::ostream* progress) {
  const runcontrol::Routine routine("main");
  Problem p = read_problem(files, name);
  velda::Velda& v = *p.state;
  Capacitance c;
  c.title = p.title;
  c.copies = copies(v);
  Groups g = find_groups(v);
  c.groups = g.numbers;
  c.empty_groups = g.empty;
  c.reference = g.reference;
  c.open = open_to_infinity(v);
  const int n = static_cast<int>(g.numbers.size());
  const int sides = c.open && g.reference ? with_reference_side(v, g) : n;
  std::vector<double> B(static_cast<std::size_t>(MAXEL) * sides, 0.0);
  if (progress) *progress << "velda-matrix: assembling " << v.NELEM << " equations" << std::endl;
  velda::step("GHMAMPC", [&] { velda::GHMAMPC(v, {g.side.data(), B.data()}); });
  if (progress)
    *progress << "velda-matrix: solving them for " << sides << " right-hand sides" << std::endl;
  velda::step("DPVT", [&] { c.IER = velda::solve_system(v, B.data(), sides); });
  velda::step("fluxes", [&] {
    std::vector<double> F = fluxes(v, g.side, B, sides);
    if (c.open) F = referred(F, sides);
    if (F.empty()) return;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) c.C.push_back(c.copies * F[i * sides + j]);
    c.reciprocity = reciprocity(c.C, n);
  });
  if (c.C.empty())
    throw Refusal(
        "the region reaches to infinity and the conductors together take no net charge at "
        "potential 1, so their charges cannot be made to sum to zero");
  return c;
}

}  // namespace matrix
