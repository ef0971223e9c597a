#include "tools/matrix/groups.hpp"

#include <algorithm>
#include <string>

#include "2D/codes.hpp"
#include "tools/matrix/problem.hpp"

namespace matrix {

bool in_reference(int code) { return code == 0 || code == velda::KBC_IMPEDANCE; }

Groups find_groups(const velda::Velda& v) {
  Groups g;
  int largest = 0;
  std::vector<bool> used(velda::MAXINT + 1, false);  // group numbers end at MAXINT (INPUMPC)
  for (int J = 1; J <= v.NELEM; ++J) {
    const int code = v.KBC(J);
    if (code < 0) used[-code] = true, largest = std::max(largest, -code);
    if (in_reference(code)) g.reference = true;
  }
  std::vector<int> row(largest + 1, 0);
  for (int k = 1; k <= largest; ++k) {
    if (!used[k]) {
      g.empty.push_back(k);
      continue;
    }
    g.numbers.push_back(k);
    row[k] = static_cast<int>(g.numbers.size());
  }
  if (g.numbers.empty())
    throw Refusal(
        "no node has a negative code, so there is no currents group: the matrix needs at "
        "least one group (code -k puts a node of prescribed potential in group k)");
  if (g.numbers.size() == 1 && !g.reference)
    throw Refusal("group " + std::to_string(g.numbers[0]) +
                  " is the only prescribed potential, so there is nothing to measure it "
                  "against: the matrix needs a second group, or a reference at potential 0 "
                  "(nodes of code 0)");
  for (int J = 1; J <= v.NELEM; ++J) g.side.push_back(v.KBC(J) < 0 ? row[-v.KBC(J)] : 0);
  return g;
}

}  // namespace matrix
