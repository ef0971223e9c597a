// The estimate on sequences built from their own closed form,
// f(h) = F + C h^p (+ a higher term), where order, limit and error are known.
#include "tools/converge/richardson.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace converge {
namespace {

constexpr double kNoise = 1e-13;

std::vector<double> sequence(const std::vector<double>& h, double F, double C, double p) {
  std::vector<double> f;
  for (const double x : h) f.push_back(F + C * std::pow(x, p));
  return f;
}

struct Case {
  const char* name;
  std::vector<double> h;
  double C, p;
};

// Halving steps and uneven ones, errors from above and below, the orders of
// corners and of smooth boundaries.
TEST(Richardson, RecoversOrderLimitAndErrorOfAPowerLaw) {
  const double F = 3.25;
  const Case cases[] = {{"halving, corner order", {0.4, 0.2, 0.1}, 0.7, 4.0 / 3.0},
                        {"halving, smooth order", {1.0, 0.5, 0.25}, -2.0, 2.0},
                        {"uneven steps", {1.0, 0.6, 0.25}, 1.5, 2.0},
                        {"more levels, last three used", {2.0, 1.0, 0.5, 0.25}, 0.3, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Estimate e = estimate(sequence(c.h, F, c.C, c.p), c.h, kNoise);
    ASSERT_EQ(e.verdict, Verdict::extrapolated);
    EXPECT_NEAR(*e.order, c.p, 1e-9);
    EXPECT_NEAR(*e.extrapolated, F, 1e-12);
    EXPECT_NEAR(*e.error, c.C * std::pow(c.h.back(), c.p), 1e-12);
  }
}

// Only the last three levels count: a first level far off the power law
// changes nothing.
TEST(Richardson, TakesTheLastThreeLevels) {
  const std::vector<double> h{1.0, 0.5, 0.25, 0.125};
  std::vector<double> f = sequence(h, 1.0, 1.0, 2.0);
  f.front() = -7.0;
  const Estimate e = estimate(f, h, kNoise);
  ASSERT_EQ(e.verdict, Verdict::extrapolated);
  EXPECT_NEAR(*e.order, 2.0, 1e-9);
}

// Neither extrapolated nor given an error; an order outside the sane range
// is still told, so the user sees how far.
TEST(Richardson, FlagsSequencesOutsideTheirAsymptoticRange) {
  const std::vector<double> h{1.0, 0.5, 0.25};
  struct Flagged {
    const char* name;
    std::vector<double> f;
    Verdict verdict;
    double order = 0.0;  // when told
  };
  const Flagged cases[] = {
      {"differences change sign", {1.0, 1.1, 1.05}, Verdict::sign_change},
      {"a difference at rounding level", {1.0, 1.0 + 1e-14, 1.0 + 2e-14}, Verdict::round_off},
      {"no change at all", {2.0, 2.0, 2.0}, Verdict::round_off},
      {"order far too high", sequence(h, 0.0, 1.0, 6.0), Verdict::order_out_of_range, 6.0},
      {"order far too low", sequence(h, 0.0, 1.0, 0.2), Verdict::order_out_of_range},
      {"order beyond the search", sequence(h, 0.0, 1.0, 30.0), Verdict::order_out_of_range},
  };
  for (const Flagged& c : cases) {
    SCOPED_TRACE(c.name);
    const Estimate e = estimate(c.f, h, 1e-12);
    EXPECT_EQ(e.verdict, c.verdict);
    EXPECT_FALSE(e.extrapolated);
    EXPECT_FALSE(e.error);
    if (c.order != 0.0) {
      EXPECT_NEAR(e.order.value_or(0.0), c.order, 1e-9);
    }
  }
}

// Mesh sizes in any units: only their ratios count, and no power of a large
// size overflows.
TEST(Richardson, MeshSizesCountOnlyByTheirRatios) {
  const std::vector<double> f = sequence({4.0, 2.0, 1.0}, 5.0, 0.01, 2.0);
  const Estimate small = estimate(f, std::vector<double>{4.0, 2.0, 1.0}, kNoise);
  const Estimate large = estimate(f, std::vector<double>{4e200, 2e200, 1e200}, kNoise);
  ASSERT_EQ(large.verdict, Verdict::extrapolated);
  EXPECT_EQ(*small.extrapolated, *large.extrapolated);
  EXPECT_EQ(*small.order, *large.order);
}

}  // namespace
}  // namespace converge
