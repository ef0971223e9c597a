#include "plot/examine.hpp"

#include <set>

#include "plot/orientation.hpp"

namespace plot {

Examination examine(const Problem& problem) {
  Examination e;
  e.pieces = pieces_of(problem);
  e.bounds = bounds_of(problem, e.pieces);
  const double tolerance = kSamePlace * e.bounds.extent();
  e.chains = chain_pieces(e.pieces, tolerance);
  e.crossings = find_crossings(e.pieces, tolerance);
  e.whereabouts = locate_internal_points(problem, e.pieces, e.chains, tolerance);
  std::set<int> crossed;
  for (const Crossing& c : e.crossings)
    for (int J : {c.element_a, c.element_b}) crossed.insert(problem.elements[J - 1].boundary);
  for (auto found : {orientation_warnings(e.pieces, e.chains, crossed),
                     crossing_warnings(e.crossings), region_warnings(problem, e.whereabouts)})
    e.warnings.insert(e.warnings.end(), found.begin(), found.end());
  return e;
}

}  // namespace plot
