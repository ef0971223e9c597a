// The failure report names its statement with its own code, and a run that
// ends on a failure keeps its report as far as written, unless the failure
// was the report file's own: then the old file stays.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <sstream>
#include <string>

#include "runcontrol/failure.hpp"
#include "runcontrol/run_end.hpp"
#include "textio/units.hpp"

namespace {

using runcontrol::Failure;
using runcontrol::Statement;

struct StatementCase {
  Statement statement;
  const char* shown;  // the statement and its code as the report's first line names them
};

// Every kind of statement, each with a code of its own.
TEST(FailureReport, NamesEachKindOfStatementWithItsCode) {
  const StatementCase cases[] = {
      {Statement::OPEN, "run-time error 10: OPEN"},
      {Statement::READ, "run-time error 20: READ"},
      {Statement::WRITE, "run-time error 30: WRITE"},
      {Statement::CLOSE, "run-time error 40: CLOSE"},
      {Statement::ARITHMETIC, "run-time error 50: ARITHMETIC"},
      {Statement::ALLOCATE, "run-time error 60: ALLOCATE"},
      {Statement::INTERNAL, "run-time error 90: INTERNAL"},
  };
  const runcontrol::Routine outer("OUTER"), inner("INNER");
  for (const StatementCase& c : cases) {
    const std::string report = Failure(c.statement, "unit=6, file=OUT", "why").report();
    const std::regex form("\r\n[a-z]+/[a-z_]+\\.cpp:[0-9]+: " + std::string(c.shown) +
                          "\\(unit=6, file=OUT\\)\r\n- why\r\nExecution traceback:\r\n"
                          "  INNER\r\n  OUTER\r\n");
    EXPECT_TRUE(std::regex_match(report, form)) << report;
  }
}

// An output file that records whether it was kept.
class Recorded : public runcontrol::OutputFile {
 public:
  explicit Recorded(bool& kept) : kept_(kept) {}
  std::ostream& stream() override { return out_; }
  bool keep(std::string&) override { return kept_ = true; }

 private:
  bool& kept_;
  std::ostringstream out_;
};

struct EndCase {
  Statement statement;
  const char* channel;  // the failing channel's name
  bool kept;            // whether the report takes the place of its name
};

// A write or close that failed on the report file leaves the old file in
// place; any other failure keeps the report as far as it was written, so the
// user sees how far the run came.
TEST(FailureReport, OnlyTheReportFilesOwnFailuresLeaveTheOldFile) {
  const std::string report = "unit=6, file=OUT", input = "unit=5, file=IN";
  const EndCase cases[] = {
      {Statement::WRITE, report.c_str(), false}, {Statement::CLOSE, report.c_str(), false},
      {Statement::READ, input.c_str(), true},    {Statement::WRITE, "console", true},
      {Statement::CLOSE, input.c_str(), true},   {Statement::ARITHMETIC, "overflow", true},
      {Statement::INTERNAL, "GEOM", true},       {Statement::READ, report.c_str(), true},
  };
  for (const EndCase& c : cases) {
    bool kept = false;
    std::ostringstream console, error;
    textio::Units u;
    u.console.connect(console, 0, {});
    u.report_file = std::make_unique<Recorded>(kept);
    u.report.connect(u.report_file->stream(), 6, "OUT");
    ASSERT_EQ(u.report.name(), report);
    const int status =
        runcontrol::end_with_failure(u, Failure(c.statement, c.channel, "why"), error);
    EXPECT_EQ(status, runcontrol::kExitFailure);
    EXPECT_EQ(kept, c.kept) << c.channel << ", " << Failure(c.statement, c.channel, "").report();
    EXPECT_NE(error.str().find("- why\r\n"), std::string::npos);
  }
}

}  // namespace
