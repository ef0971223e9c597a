// The program as a process: the file-name dialogue, the console, the exit
// status and what happens to the files.
#include <gtest/gtest.h>

#include <regex>

#include "e2e/run_program.hpp"

namespace {

const std::string kRunMessages = "Now Calculating G and H\r\nNow Solving\r\n";
const std::string kStop = "Stop - Program terminated.\r\n";

class RunControl : public ::testing::Test {
 protected:
  void SetUp() override { folder_.write("square.in", e2e::source_file("examples/square.in")); }
  e2e::Folder folder_;
};

TEST_F(RunControl, TwoArgumentsNameBothFilesWithoutAQuestion) {
  const auto run = folder_.run({"square.in", "square.out"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "VELDA\r\nNAME OF INPUT FILE : square.in\r\nNAME OF OUTPUT FILE : square.out\r\n\r\n" +
                         kRunMessages + kStop);
  EXPECT_EQ(run.error, "");
  const std::string report = folder_.read("square.out");
  EXPECT_EQ(report.substr(0, 81), std::string(79, '*') + "\r\n");
  EXPECT_EQ(report.substr(report.size() - 81), std::string(79, '*') + "\r\n");
}

TEST_F(RunControl, OneArgumentAsksForTheReportName) {
  const auto run = folder_.run({"square.in"}, "typed.out\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "VELDA\r\nNAME OF INPUT FILE : square.in\r\nNAME OF OUTPUT FILE : \r\n\r\n" +
                         kRunMessages + kStop);
  EXPECT_TRUE(folder_.exists("typed.out"));
}

TEST_F(RunControl, EmptyAndBlankAnswersTakeTheDefaultNames) {
  folder_.write("VELDA.IN", e2e::source_file("examples/square.in"));
  for (const std::string typed : {"\n\n", "   \r\n \n"}) {
    const auto run = folder_.run({}, typed);
    EXPECT_EQ(run.status, 0) << run.error;
    EXPECT_EQ(run.out, "VELDA\r\nNAME OF INPUT FILE : \r\nNAME OF OUTPUT FILE : \r\n\r\n" +
                           kRunMessages + kStop);
    EXPECT_TRUE(folder_.exists("VELDA.OUT"));
    std::filesystem::remove(folder_.path() / "VELDA.OUT");
  }
}

TEST_F(RunControl, EmptyArgumentsTakeTheDefaultNamesAndShowThem) {
  folder_.write("VELDA.IN", e2e::source_file("examples/square.in"));
  const auto run = folder_.run({"", ""});
  EXPECT_EQ(run.status, 0) << run.error;
  EXPECT_EQ(run.out, "VELDA\r\nNAME OF INPUT FILE : VELDA.IN\r\nNAME OF OUTPUT FILE : VELDA.OUT\r\n\r\n" +
                         kRunMessages + kStop);
}

TEST_F(RunControl, ALongAnswerIsCutToSixtyFourCharacters) {
  const std::string name(64, 'n');
  folder_.write(name, e2e::source_file("examples/square.in"));
  const auto run = folder_.run({}, name + "IGNORED\nout\n");
  EXPECT_EQ(run.status, 0) << run.error;
  EXPECT_TRUE(folder_.exists("out"));
}

TEST_F(RunControl, MissingInputFailsWithoutTouchingTheReport) {
  folder_.write("old.out", "an earlier report");
  const auto run = folder_.run({"missing.in", "old.out"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "VELDA\r\nNAME OF INPUT FILE : missing.in\r\nNAME OF OUTPUT FILE : old.out\r\n\r\n");
  EXPECT_TRUE(std::regex_match(
      run.error, std::regex("\r\n[^\r\n]+:[0-9]+: run-time error [0-9]+: OPEN\\(unit=5, file=missing\\.in\\)\r\n"
                            "- the file does not exist\r\n"
                            "Execution traceback:\r\n  main\r\n")))
      << run.error;
  EXPECT_EQ(folder_.read("old.out"), "an earlier report");
  EXPECT_FALSE(folder_.run({"missing.in", "new.out"}).status == 0);
  EXPECT_FALSE(folder_.exists("new.out"));
}

TEST_F(RunControl, AnExistingLongerReportIsRewrittenWhole) {
  const auto first = folder_.run({"square.in", "square.out"});
  ASSERT_EQ(first.status, 0);
  const std::string report = folder_.read("square.out");
  folder_.write("square.out", report + std::string(100000, 'x'));
  folder_.run({"square.in", "square.out"});
  EXPECT_EQ(folder_.read("square.out"), report);
}

}  // namespace
