#include "2D/boundary_checks.hpp"

#include <algorithm>
#include <cfenv>
#include <limits>
#include <string>

namespace velda {
namespace {

// Why the element from point P to point P + 1 has no usable tangent, or an
// empty text. GEOM computes its length as sqrt(DY^2 + DX^2); a squared length
// below the smallest normal real (about 2.2E-308; zero for distinct points
// closer than about 1E-162) has lost precision or all of it. The
// floating-point flags are left as they were: an overflow from huge
// coordinates is GEOM's to report.
std::string length_fault(const Velda& v, int P) {
  if (v.XP(P) == v.XP(P + 1) && v.YP(P) == v.YP(P + 1)) return "HAS ZERO LENGTH";
  std::fexcept_t flags;
  std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
  const double DX = v.XP(P + 1) - v.XP(P);
  const double DY = v.YP(P + 1) - v.YP(P);
  // volatile: the square is computed before the flags are put back.
  const volatile double squared = DY * DY + DX * DX;
  std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
  return squared < std::numeric_limits<double>::min()
             ? "IS TOO SHORT: ITS SQUARED LENGTH IS BELOW THE SMALLEST NORMAL REAL "
               "(2.2E-308): RESCALE THE PROBLEM"
             : "";
}

}  // namespace

std::string boundary_fault(const Velda& v) {
  using std::to_string;
  if (v.NELEM <= 0)
    return "THE NUMBER OF BOUNDARY ELEMENTS IS " + to_string(v.NELEM) + ": AT LEAST 1 IS NEEDED";
  const int points = v.NELEM + v.NBND;
  int first = 1;  // position of the current boundary's first point
  for (int b = 1; b <= v.NBND; ++b) {
    const int last = v.LASTND(b);
    if (last < first)
      return "LAST NODE OF BOUNDARY " + to_string(b) + " IS " + to_string(last) +
             ": IT MUST BE AT LEAST " + to_string(first);
    if (last > points)
      return "LAST NODE OF BOUNDARY " + to_string(b) + " IS " + to_string(last) +
             ": THE POINT LIST HAS ONLY " + to_string(points) + " POINTS";
    first = last + 1;
  }
  const int elements = (first - 1) - std::max(v.NBND, 0);
  if (elements != v.NELEM)
    return "THE BOUNDARIES HAVE " + to_string(elements) + " ELEMENTS, NOT " + to_string(v.NELEM);
  int J = 1;
  first = 1;
  for (int b = 1; b <= v.NBND; ++b) {
    for (int P = first; P < v.LASTND(b); ++P, ++J) {
      const std::string fault = length_fault(v, P);
      if (!fault.empty())
        return "ELEMENT " + to_string(J) + " (BOUNDARY " + to_string(b) + ", POINTS " +
               to_string(P) + " AND " + to_string(P + 1) + ") " + fault;
    }
    first = v.LASTND(b) + 1;
  }
  return {};
}

}  // namespace velda
