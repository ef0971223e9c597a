// The capacity case at a few hundred elements and internal points, both
// symmetries on: its report is the same bytes however the work is shared out,
// whichever way the system is solved and on every path of the influence
// integrals' functions with FMA.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "2D/VELDA.hpp"
#include "2D/influence_maths.hpp"
#include "2D/memory_run.hpp"
#include "bench/capacity_case.hpp"
#include "lib/elimination_kernels.hpp"
#include "lib/parallel.hpp"
#include "tests/lib/reference_dpvt.hpp"
#include "textio/layout.hpp"
#include "textio/units.hpp"

namespace {

constexpr int kElements = 320;
constexpr int kInternalPoints = 300;
constexpr double kPivotTolerance = 1.0E-5;  // the program's

const std::string& mid_sized_case() {
  static const std::string input = bench::quarter_box_case(kElements, kInternalPoints);
  return input;
}

// The driver's steps one by one, with the textbook loop solving the system.
std::string report_with_textbook_solver(const std::string& input) {
  std::istringstream input_file(input);
  std::ostringstream report_file, console;
  textio::Units u;
  u.console.connect(console, 0, {});
  u.input.connect(input_file, 5, "IN");
  u.report.connect(report_file, 6, "OUT");
  const auto v = std::make_unique<velda::Velda>();
  v->input_unit = 5;
  v->report_unit = 6;
  velda::INPUMPC(*v, u);
  velda::GEOM(*v);
  velda::GHMAMPC(*v);
  int IER = 0;
  lib_test::reference_dpvt(v->AMAT.data(), v->DPOTB.data(), v->NELEM, 1, velda::MAXEL,
                           kPivotTolerance, IER);
  if (IER != 0) textio::write(u.report, R"((1X, "**** IER NON ZERO IN DPVT :", I4))", {IER});
  velda::REORDER(*v);
  velda::INTEMPC(*v);
  velda::OUTPMPC(*v, u);
  velda::CURRENT(*v, u);
  u.report.close();
  return report_file.str();
}

// Runs the program on `threads` threads, with the portable elimination
// kernels if asked and the influence maths of `path`, then gives the
// machine's way back. The runs share the one pool of workers, which grows to
// the largest count asked for and lends each run as many as it wants.
velda_test::MemoryRun run_with(int threads, bool portable_kernels,
                               const velda::InfluenceMaths& path = velda::influence_maths()) {
  lib::testing::override_thread_count(threads);
  lib::testing::force_portable_kernels(portable_kernels);
  velda::choose_influence_maths(path.name);
  velda_test::MemoryRun run = velda_test::run_in_memory(mid_sized_case());
  lib::testing::override_thread_count(0);
  lib::testing::force_portable_kernels(false);
  velda::choose_influence_maths(nullptr);
  return run;
}

// The nofma path may differ in the last bits, so it is only compared with
// itself.
TEST(SameReport, OnOneThreadAsOnSeveralWithEitherKernelsAndEveryMathsPath) {
  const velda_test::MemoryRun one = run_with(1, false);
  ASSERT_EQ(one.status, 0) << one.error;
  ASSERT_NE(one.report.find("RESULTS"), std::string::npos);
  for (int threads : {2, 3, 5, 2}) {
    const velda_test::MemoryRun several = run_with(threads, false);
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

TEST(SameReport, WithTheTextbookSolver) {
  const velda_test::MemoryRun run = velda_test::run_in_memory(mid_sized_case());
  ASSERT_EQ(run.status, 0) << run.error;
  EXPECT_EQ(report_with_textbook_solver(mid_sized_case()), run.report);
}

}  // namespace
