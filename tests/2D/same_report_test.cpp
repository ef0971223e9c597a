// The capacity case at a few hundred elements and internal points, both
// symmetries on: its report is the same bytes however the work is shared out,
// whichever elimination kernels run and on every path of the influence
// integrals' functions with FMA.
#include <gtest/gtest.h>

#include <string>

#include "2D/influence_maths.hpp"
#include "fixtures/capacity_case.hpp"
#include "lib/elimination_kernels.hpp"
#include "lib/parallel.hpp"
#include "tests/support/memory_run.hpp"

namespace {

// Runs the program on `threads` threads, with the portable elimination
// kernels if asked and the influence maths of `path`, then gives the
// machine's way back. The runs share the one pool of workers, which grows to
// the largest count asked for and lends each run as many as it wants.
test_support::MemoryRun run_with(int threads, bool portable_kernels,
                                 const velda::InfluenceMaths& path = velda::influence_maths()) {
  static const std::string input = fixtures::quarter_box_case(320, 300);
  lib::testing::override_thread_count(threads);
  lib::testing::force_portable_kernels(portable_kernels);
  velda::choose_influence_maths(path.name);
  test_support::MemoryRun run = test_support::run_in_memory(input);
  lib::testing::override_thread_count(0);
  lib::testing::force_portable_kernels(false);
  velda::choose_influence_maths(nullptr);
  return run;
}

// The nofma path may differ in the last bits, so it is only compared with
// itself.
TEST(SameReport, OnOneThreadAsOnSeveralWithEitherKernelsAndEveryMathsPath) {
  const test_support::MemoryRun one = run_with(1, false);
  ASSERT_EQ(one.status, 0) << one.error;
  ASSERT_NE(one.report.find("RESULTS"), std::string::npos);
  for (int threads : {2, 3, 5, 2}) {
    const test_support::MemoryRun several = run_with(threads, false);
    EXPECT_EQ(several.report, one.report) << threads << " threads";
    EXPECT_EQ(several.console, one.console) << threads << " threads";
  }
  EXPECT_EQ(run_with(3, true).report, one.report) << "portable kernels";
  for (const velda::InfluenceMaths* path : velda::influence_maths_paths()) {
    if (!velda::processor_runs(*path)) continue;
    if (!path->fma) {
      EXPECT_EQ(run_with(1, false, *path).report, run_with(3, false, *path).report) << path->name;
      continue;
    }
    for (int threads : {1, 2, 3})
      EXPECT_EQ(run_with(threads, false, *path).report, one.report)
          << path->name << ", " << threads;
  }
}

}  // namespace
