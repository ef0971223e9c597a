// Every bundled example gives its checked-in report and console, byte for
// byte, on every path of the influence integrals' functions (named by
// VELDA_SIMD): a change that moves any printed digit or byte shows here. The
// path without FMA may differ from the others in a last bit, never in a
// printed digit of these examples.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "2D/influence_maths.hpp"
#include "tests/support/run_program.hpp"

namespace {

class Example : public ::testing::TestWithParam<const char*> {};

TEST_P(Example, GivesItsExpectedReportAndConsole) {
  const std::string name = GetParam();
  test_support::Folder folder;
  folder.write(name + ".in", test_support::source_file("examples/" + name + ".in"));
  for (const velda::InfluenceMaths* path : velda::influence_maths_paths()) {
    if (!velda::processor_runs(*path)) continue;
    SCOPED_TRACE(path->name);
    setenv("VELDA_SIMD", path->name, 1);
    const auto run = folder.run({name + ".in", name + ".out"});
    unsetenv("VELDA_SIMD");
    EXPECT_EQ(run.status, 0) << run.error;
    EXPECT_EQ(run.out, test_support::source_file("examples/expected/" + name + ".console"));
    EXPECT_EQ(folder.read(name + ".out"),
              test_support::source_file("examples/expected/" + name + ".out"));
  }
}

INSTANTIATE_TEST_SUITE_P(Bundled, Example,
                         ::testing::Values("square", "annulus", "capacitor", "dielectric",
                                           "quarter", "impedance"));

}  // namespace
