// The field grid. Inside the medium of a closed interface POTENT's sum is
// EPS times the potential (2D/interface_medium.hpp); in the region it is the
// potential itself.
#include "tools/plot/field_grid.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "2D/interface_medium.hpp"
#include "lib/parallel.hpp"

namespace plot {
namespace {

constexpr int kPointsPerTask = 16;  // a point costs NELEM x images influence calls
constexpr double kNotDrawn = std::numeric_limits<double>::quiet_NaN();

// The EPS of a loop made only of interface elements of one EPS, else NaN.
double medium_of(const Problem& problem, const velda::Velda& v, const Loop& loop) {
  double eps = kNotDrawn;
  for (int k : loop.pieces)
    for (int J : problem.pieces[k].elements) {
      if (v.KBC(J) != velda::KBC_INTERFACE || (!std::isnan(eps) && v.BCIMP(J) != eps))
        return kNotDrawn;
      eps = v.BCIMP(J);
    }
  return eps;
}

// Within kNearBoundary lengths of an element, or closer than `least`: a
// band at least a grid step wide, so that a fine boundary leaves no single
// points out.
bool near_boundary(Point p, const std::vector<Piece>& pieces, double least) {
  for (const Piece& piece : pieces)
    for (std::size_t k = 0; k + 1 < piece.points.size(); ++k) {
      const Point a = piece.points[k], b = piece.points[k + 1];
      if (distance_to_segment(p, a, b) < std::max(least, kNearBoundary * distance(a, b)))
        return true;
    }
  return false;
}

}  // namespace

std::unique_ptr<velda::Velda> solved_state(const Problem& problem, const Results& results) {
  auto v = std::make_unique<velda::Velda>(*problem.state);
  for (int J = 1; J <= v->NELEM; ++J) {
    const NodeResult& node = results.nodes[static_cast<std::size_t>(J - 1)];
    v->POTB(J) = node.potential;
    v->DPOTB(J) = v->KBC(J) == velda::KBC_INTERFACE ? 0.0 : node.derivative.value_or(0.0);
  }
  return v;
}

FieldGrid compute_field(const Problem& problem, const Chains& chains, const Results& results,
                        int points) {
  const auto v = solved_state(problem, results);
  std::vector<double> medium;  // EPS of each loop, NaN when it does not close a medium
  for (const Loop& loop : chains.loops) medium.push_back(medium_of(problem, *v, loop));
  FieldGrid grid;
  grid.origin = problem.bounds.low;
  grid.step = problem.bounds.extent() / (points - 1);
  grid.nx = static_cast<int>(std::floor(problem.bounds.width() / grid.step)) + 1;
  grid.ny = static_cast<int>(std::floor(problem.bounds.height() / grid.step)) + 1;
  grid.value.assign(static_cast<std::size_t>(grid.nx) * grid.ny, kNotDrawn);
  std::vector<char> in_medium(grid.value.size(), 0);
  lib::parallel_for(static_cast<int>(grid.value.size()), kPointsPerTask, [&](int first, int last) {
    for (int k = first; k < last; ++k) {
      const Point p = grid.point(k % grid.nx, k / grid.nx);
      if (near_boundary(p, problem.pieces, grid.step)) continue;
      double divisor = 1.0;
      if (!in_region(p, chains)) {
        const int loop = innermost_loop(p, chains);
        if (loop < 0 || !(medium[static_cast<std::size_t>(loop)] > 0.0)) continue;
        divisor = medium[static_cast<std::size_t>(loop)];
        in_medium[static_cast<std::size_t>(k)] = 1;
      }
      double u = 0.0;
      velda::POTENT(*v, p.x, p.y, u);
      const double potential = velda::medium_potential(u, divisor);
      if (std::isfinite(potential)) grid.value[static_cast<std::size_t>(k)] = potential;
    }
  });
  for (char m : in_medium) grid.has_medium = grid.has_medium || m != 0;
  return grid;
}

}  // namespace plot
