// The edges of the loops sorted into horizontal bands, so that whether a
// point lies in the region is decided from the edges of its band alone: the
// winding number counts the edges that cross the horizontal through the
// point, and those all lie in its band. The answers are in_region's and
// innermost_loop's (checks.hpp), the same arithmetic on fewer edges.
#pragma once

#include <vector>

#include "geometry/checks.hpp"

namespace geometry {

class RegionIndex {
 public:
  // Bands `band` high over the loops' box.
  RegionIndex(const Chains& chains, double band);

  bool in_region(Point p) const;
  int innermost_loop(Point p) const;

 private:
  struct Edge {
    Point a, b;
    int loop;
  };
  // How many times each loop winds around p.
  std::vector<int> windings(Point p) const;

  const Chains& chains_;
  double low_ = 0.0, band_ = 0.0;
  std::vector<std::vector<Edge>> bands_;
};

}  // namespace geometry
