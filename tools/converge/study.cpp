#include "tools/converge/study.hpp"

#include <algorithm>
#include <cmath>

#include "tools/converge/refused.hpp"

namespace converge {
namespace {

using Series = std::vector<double> Solution::*;

struct Kind {
  const char* name;
  Series series;
};

constexpr Kind kKinds[] = {{"flux", &Solution::flux},
                           {"potential", &Solution::potential},
                           {"gradient_x", &Solution::gradient_x},
                           {"gradient_y", &Solution::gradient_y}};

void add_kind(const Kind& kind, const std::vector<Solution>& solutions,
              const std::vector<double>& h, std::optional<int> own, Study& study) {
  const std::size_t count = (solutions.front().*kind.series).size();
  double largest = 0.0;
  for (const Solution& s : solutions) {
    if ((s.*kind.series).size() != count)
      throw Refused("the levels do not have the same number of " + std::string(kind.name) +
                    " values");
    for (const double value : s.*kind.series) largest = std::max(largest, std::fabs(value));
  }
  for (std::size_t i = 0; i < count; ++i) {
    Quantity q{kind.name, static_cast<int>(i) + 1, {}, {}, std::nullopt};
    for (const Solution& s : solutions) q.values.push_back((s.*kind.series)[i]);
    q.estimate = estimate(q.values, h, kRoundOff * largest);
    if (own && q.estimate.extrapolated) q.own_error = q.values[*own] - *q.estimate.extrapolated;
    study.quantities.push_back(std::move(q));
  }
}

}  // namespace

Study make_study(const std::vector<Solution>& solutions, const std::vector<double>& h,
                 std::optional<int> own) {
  Study study;
  study.own = own;
  for (std::size_t k = 0; k < solutions.size(); ++k)
    study.levels.push_back({solutions[k].elements, h[k], solutions[k].small_pivot});
  for (const Kind& kind : kKinds) add_kind(kind, solutions, h, own, study);
  return study;
}

}  // namespace converge
