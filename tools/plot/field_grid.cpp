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
#include "geometry/region_index.hpp"
#include "lib/parallel.hpp"

namespace plot {
namespace {

constexpr int kPointsPerTask = 48;  // a point costs NELEM x images influence calls
constexpr std::size_t kBatch = 3;   // points summed side by side, as POTENT allows
constexpr double kNotDrawn = std::numeric_limits<double>::quiet_NaN();
// The boundary crosses a cell whose corner this is when it passes within a
// cell's diagonal of it.
constexpr double kCornerReach = 1.5;  // grid steps, more than the diagonal

// The EPS of a loop made only of interface elements of one EPS, else NaN.
double medium_of(const Problem& problem, const velda::Velda& v, const geometry::Loop& loop) {
  double eps = kNotDrawn;
  for (int k : loop.pieces)
    for (int J : problem.pieces[k].elements) {
      if (v.KBC(J) != velda::KBC_INTERFACE || (!std::isnan(eps) && v.BCIMP(J) != eps))
        return kNotDrawn;
      eps = v.BCIMP(J);
    }
  return eps;
}

FieldGrid empty_grid(const Problem& problem, int points) {
  FieldGrid grid;
  grid.origin = problem.bounds.low;
  grid.step = problem.bounds.extent() / (points - 1);
  grid.nx = static_cast<int>(std::floor(problem.bounds.width() / grid.step)) + 1;
  grid.ny = static_cast<int>(std::floor(problem.bounds.height() / grid.step)) + 1;
  grid.value.assign(static_cast<std::size_t>(grid.nx) * grid.ny, kNotDrawn);
  grid.kind.assign(grid.value.size(), FieldPoint::OUTSIDE);
  return grid;
}

// Whether a point next to (i, j), along a side or a diagonal, holds the sum.
bool beside_the_sum(const FieldGrid& grid, int i, int j) {
  for (int dj = -1; dj <= 1; ++dj)
    for (int di = -1; di <= 1; ++di) {
      const int a = i + di, b = j + dj;
      if (a < 0 || b < 0 || a >= grid.nx || b >= grid.ny) continue;
      const FieldPoint k = grid.kind_at(a, b);
      if (k == FieldPoint::REGION || k == FieldPoint::MEDIUM) return true;
    }
  return false;
}

// POTENT's sum at grid points `summed`, divided by their divisors, three
// points side by side (a short last batch repeats its last point); a point
// whose value is not finite is left out.
void sum_points(const velda::Velda& v, const std::vector<int>& summed,
                const std::vector<double>& divisor, FieldGrid& grid) {
  for (std::size_t n = 0; n < summed.size(); n += kBatch) {
    lib::Point at[kBatch];
    double u[kBatch];
    for (std::size_t b = 0; b < kBatch; ++b) {
      const int k = summed[std::min(n + b, summed.size() - 1)];
      at[b] = grid.point(k % grid.nx, k / grid.nx);
    }
    velda::POTENT(v, at, u);
    for (std::size_t b = 0; b < kBatch && n + b < summed.size(); ++b) {
      const double value = velda::medium_potential(u[b], divisor[n + b]);
      if (std::isfinite(value))
        grid.value[summed[n + b]] = value;
      else
        grid.kind[summed[n + b]] = FieldPoint::OUTSIDE;
    }
  }
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

double boundary_potential(const Problem& problem, const Results& results,
                          const geometry::Nearest& at) {
  const Piece& piece = problem.pieces[static_cast<std::size_t>(at.piece)];
  const int count = static_cast<int>(piece.elements.size());
  const bool closed = piece.points.front().x == piece.points.back().x &&
                      piece.points.front().y == piece.points.back().y;
  const auto node = [&](int k) {
    return piece.weight * results.nodes[static_cast<std::size_t>(piece.elements[k] - 1)].potential;
  };
  // The neighbour on the side of the element's half that `at` falls in.
  const bool back = at.t < 0.5;
  int other = at.k + (back ? -1 : 1);
  if (closed) other = (other + count) % count;
  if (other < 0 || other >= count) return node(at.k);
  const double s = back ? 0.5 - at.t : at.t - 0.5;  // from the node towards the neighbour's
  return node(at.k) + s * (node(other) - node(at.k));
}

FieldGrid compute_field(const Problem& problem, const geometry::Chains& chains,
                        const Results& results, int points) {
  const auto v = solved_state(problem, results);
  FieldGrid grid = empty_grid(problem, points);
  std::vector<double> medium;  // EPS of each loop, NaN when it does not close a medium
  for (const geometry::Loop& loop : chains.loops) {
    medium.push_back(medium_of(problem, *v, loop));
    if (medium.back() > 0.0) grid.media.push_back(static_cast<int>(medium.size()) - 1);
  }
  const geometry::SegmentIndex segments(problem.pieces, grid.step);
  const geometry::RegionIndex region(chains, grid.step);
  const double on_boundary = geometry::kSamePlace * problem.bounds.extent();
  lib::parallel_for(static_cast<int>(grid.value.size()), kPointsPerTask, [&](int first, int last) {
    std::vector<int> summed;  // the points of this task that take the sum
    std::vector<double> divisor;
    for (int k = first; k < last; ++k) {
      const Point p = grid.point(k % grid.nx, k / grid.nx);
      const geometry::Nearest on = segments.nearest(p, on_boundary);
      if (on.piece >= 0) {
        grid.kind[k] = FieldPoint::BOUNDARY;
        grid.value[k] = boundary_potential(problem, results, on);
        continue;
      }
      double eps = 1.0;
      FieldPoint kind = FieldPoint::REGION;
      if (!region.in_region(p)) {
        const int loop = region.innermost_loop(p);
        if (loop < 0 || !(medium[static_cast<std::size_t>(loop)] > 0.0)) continue;
        eps = medium[static_cast<std::size_t>(loop)];
        kind = FieldPoint::MEDIUM;
      }
      grid.kind[k] = kind;
      summed.push_back(k);
      divisor.push_back(eps);
    }
    sum_points(*v, summed, divisor, grid);
  });
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const std::size_t k = grid.index(i, j);
      if (grid.kind[k] != FieldPoint::OUTSIDE || !beside_the_sum(grid, i, j)) continue;
      const geometry::Nearest near = segments.nearest(grid.point(i, j), kCornerReach * grid.step);
      if (near.piece < 0) continue;
      grid.kind[k] = FieldPoint::BEYOND;
      grid.value[k] = boundary_potential(problem, results, near);
    }
  for (FieldPoint k : grid.kind) grid.has_medium = grid.has_medium || k == FieldPoint::MEDIUM;
  return grid;
}

}  // namespace plot
