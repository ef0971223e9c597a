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
      "textio/failure_test\\.cpp:[0-9]+: run-time error [0-9]+: READ\\(unit=5, "
      "file=VELDA\\.IN\\)\r\n"
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

// A run whose console shows one pending line and whose report holds one.
class RunEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    units_.console.connect(console_, 0, {});
    units_.report.connect(report_, 6, "OUT");
    units_.console.record(" VELDA");
    units_.report.record(" last line");
  }
  std::ostringstream console_, report_, error_;
  textio::Units units_;
};

TEST_F(RunEnd, AStopEndsThePendingConsoleLineAndClosesTheReport) {
  EXPECT_EQ(textio::end_with_stop(units_, textio::Stop{"*** JOB ABORTED ***"}, error_), 0);
  EXPECT_EQ(console_.str(), "VELDA\r\n*** JOB ABORTED ***\r\n");
  EXPECT_EQ(report_.str(), "last line\r\n");
  EXPECT_EQ(error_.str(), "");
}

TEST_F(RunEnd, AFailureWritesItsReportToStandardErrorOnly) {
  const textio::Failure failure(textio::Statement::OPEN, "unit=5, file=X", "no such file");
  EXPECT_EQ(textio::end_with_failure(units_, failure, error_), 1);
  EXPECT_EQ(console_.str(), "VELDA\r\n");
  EXPECT_EQ(report_.str(), "last line\r\n");
  EXPECT_EQ(error_.str(), failure.report());
}

}  // namespace
