#include "textio/failure.hpp"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <regex>
#include <sstream>

#include "textio/run_end.hpp"

namespace {

TEST(FailureReport, HasTheStatementTheReasonAndTheActiveRoutinesInnermostFirst) {
  const textio::Routine outer("main");
  std::string report;
  {
    const textio::Routine inner("INPUMPC");
    report = textio::Failure(textio::Statement::READ, textio::channel_name(5, "VELDA.IN"),
                             "\"x\" in line 2 is not an integer")
                 .report();
  }
  const std::regex form(
      "\r\n"
      "textio/failure_test\\.cpp:[0-9]+: run-time error [0-9]+: READ\\(unit=5, file=VELDA\\.IN\\)\r\n"
      "- \"x\" in line 2 is not an integer\r\n"
      "Execution traceback:\r\n"
      "  INPUMPC\r\n"
      "  main\r\n");
  EXPECT_TRUE(std::regex_match(report, form)) << report;
}

TEST(FailureReport, ArithmeticFlagsEndTheRunAndNoFlagsDoNothing) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_NO_THROW(textio::check_arithmetic());
  volatile double zero = 0.0;
  volatile double infinite = 1.0 / zero;
  (void)infinite;
  try {
    textio::check_arithmetic();
    ADD_FAILURE() << "no failure";
  } catch (const textio::Failure& failure) {
    EXPECT_EQ(failure.statement(), textio::Statement::ARITHMETIC);
    EXPECT_NE(failure.reason().find("division by zero"), std::string::npos);
    // The position is the caller's, where the flags were tested.
    EXPECT_NE(failure.report().find("textio/failure_test.cpp:"), std::string::npos);
  }
  EXPECT_NO_THROW(textio::check_arithmetic());  // the flags were cleared
}

TEST(RunEnd, AStopEndsThePendingConsoleLineAndClosesTheReport) {
  std::ostringstream console, report, error;
  textio::Units units;
  units.console.connect(console, 0, {});
  units.report.connect(report, 6, "OUT");
  units.console.record(" Now Solving");
  units.report.record(" last line");
  EXPECT_EQ(textio::end_with_stop(units, textio::Stop{"*** JOB ABORTED ***"}, error), 0);
  EXPECT_EQ(console.str(), "Now Solving\r\n*** JOB ABORTED ***\r\n");
  EXPECT_EQ(report.str(), "last line\r\n");
  EXPECT_EQ(error.str(), "");
}

TEST(RunEnd, AFailureWritesItsReportToStandardErrorOnly) {
  std::ostringstream console, report, error;
  textio::Units units;
  units.console.connect(console, 0, {});
  units.report.connect(report, 6, "OUT");
  units.console.record(" VELDA");
  const textio::Failure failure(textio::Statement::OPEN, "unit=5, file=X", "the file does not exist");
  EXPECT_EQ(textio::end_with_failure(units, failure, error), 1);
  EXPECT_EQ(console.str(), "VELDA\r\n");
  EXPECT_EQ(error.str(), failure.report());
  EXPECT_EQ(report.str(), "");
}

}  // namespace
