#include "2D/boundary_checks.hpp"

#include <algorithm>
#include <string>

#include "textio/failure.hpp"
#include "textio/layout.hpp"

namespace velda {
namespace {

// The first fault of the boundary description, or an empty text.
std::string first_fault(const Velda& v) {
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
    for (int P = first; P < v.LASTND(b); ++P, ++J)
      if (v.XP(P) == v.XP(P + 1) && v.YP(P) == v.YP(P + 1))
        return "ELEMENT " + to_string(J) + " (BOUNDARY " + to_string(b) + ", POINTS " +
               to_string(P) + " AND " + to_string(P + 1) + ") HAS ZERO LENGTH";
    first = v.LASTND(b) + 1;
  }
  return {};
}

}  // namespace

void refuse_invalid_boundaries(const Velda& v, textio::Units& u) {
  const std::string fault = first_fault(v);
  if (fault.empty()) return;
  textio::write(u.console, "(1X, A)", {fault});
  textio::write(u.report, "(1X, A)", {fault});
  textio::stop(kFatalError);
}

}  // namespace velda
