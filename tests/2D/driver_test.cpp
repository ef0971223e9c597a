// How a run ends when its system of equations or its arithmetic fails.
#include <gtest/gtest.h>

#include "2D/memory_run.hpp"

namespace {

using velda_test::run_in_memory;

const std::string kSquarePoints = "0 0 1 0 1 1 0 1 0 0\n";

TEST(RunEnding, SmallPivotIsNotedInTheReportAndTheRunGoesOn) {
  // Only derivatives prescribed: the potential is fixed up to a constant.
  const auto run = run_in_memory(" NEUMANN\n0 0 4 0 1 5\n" + kSquarePoints + "1 0\n1 0\n1 0\n1 0\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console.find("IER"), std::string::npos);
  const std::string& report = run.report();
  const auto flag = report.find("\r\n    4         1           0.00000E+00\r\n**** IER NON ZERO IN DPVT :  -4\r\n" +
                                std::string(79, '*') + "\r\n\r\nRESULTS");
  EXPECT_NE(flag, std::string::npos) << report;
}

TEST(RunEnding, CoincidentBoundariesAreASingularSystem) {
  const auto run = run_in_memory(" TWICE\n0 0 8 0 2 5 10\n" + kSquarePoints + kSquarePoints +
                                 "0 0\n1 0\n0 1\n1 0\n0 0\n1 0\n0 1\n1 0\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.error.find(": ARITHMETIC(singular system)\r\n- the system of equations is singular"),
            std::string::npos)
      << run.error;
  EXPECT_NE(run.error.find("Execution traceback:\r\n  DPVT\r\n  main\r\n"), std::string::npos);
  EXPECT_EQ(run.report().find("RESULTS"), std::string::npos);
  EXPECT_EQ(run.console.find("Stop"), std::string::npos);
}

TEST(RunEnding, OverflowEndsTheRunBeforeAnyResultIsWritten) {
  const auto run = run_in_memory(" HUGE\n0 0 4 0 1 5\n0 0 1e200 0 1e200 1e200 0 1e200 0 0\n"
                                 "0 0\n1 0\n0 1\n1 0\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.error.find(": ARITHMETIC(overflow)\r\n"), std::string::npos) << run.error;
  EXPECT_NE(run.error.find("  GEOM\r\n  main\r\n"), std::string::npos);
  EXPECT_EQ(run.report().find("RESULTS"), std::string::npos);
}

}  // namespace
