// The program as a process: the file-name dialogue, the console, the exit
// status and what happens to the files.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <regex>

#include "tests/support/memory_run.hpp"
#include "tests/support/run_program.hpp"

namespace {

const std::string kLongName(64, 'n');

// The console of a run that reads `in` and writes `out`, showing the names
// as the dialogue does.
std::string console(const std::string& in, const std::string& out, bool solved = true) {
  return "VELDA\r\nNAME OF INPUT FILE : " + in + "\r\nNAME OF OUTPUT FILE : " + out + "\r\n\r\n" +
         (solved ? "Now Calculating G and H\r\nNow Solving\r\nStop - Program terminated.\r\n" : "");
}

class RunControl : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string& name : {kLongName, std::string("square.in"), std::string("VELDA.IN")})
      folder_.write(name, test_support::source_file("examples/square.in"));
  }
  test_support::Folder folder_;
};

// A name comes from the command line, shown after its question, or is typed
// (shown as typed, not echoed); an empty or blank one is the default. A name
// may have 64 characters.
TEST_F(RunControl, NamesComeFromTheArgumentsOrTheAnswersOrTheDefaults) {
  const struct {
    std::vector<std::string> args;
    std::string typed, shown_in, shown_out, report;
  } cases[] = {
      {{"square.in", "square.out"}, "", "square.in", "square.out", "square.out"},
      {{"square.in"}, "typed.out\n", "square.in", "", "typed.out"},
      {{}, "\n\n", "", "", "VELDA.OUT"},
      {{}, "   \r\n \n", "", "", "VELDA.OUT"},
      {{"", ""}, "", "VELDA.IN", "VELDA.OUT", "VELDA.OUT"},
      {{}, kLongName + "\nlong.out\n", "", "", "long.out"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    const auto run = folder_.run(c.args, c.typed);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, console(c.shown_in, c.shown_out));
    EXPECT_EQ(run.error, "");
    const std::string report = folder_.read(c.report);
    EXPECT_EQ(report.substr(0, 81), std::string(79, '*') + "\r\n");
    EXPECT_EQ(report.substr(report.size() - 81), std::string(79, '*') + "\r\n");
    std::filesystem::remove(folder_.path() / c.report);
  }
}

TEST_F(RunControl, MissingInputFailsWithoutTouchingTheReport) {
  folder_.write("old.out", "an earlier report");
  const auto run = folder_.run({"missing.in", "old.out"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, console("missing.in", "old.out", false));
  EXPECT_TRUE(
      std::regex_match(run.error, std::regex("\r\n[a-z]+/[a-z_]+\\.cpp:[0-9]+: run-time error 10: "
                                             "OPEN\\(unit=5, file=missing\\.in\\)\r\n"
                                             "- the file does not exist\r\n"
                                             "Execution traceback:\r\n  main\r\n")))
      << run.error;
  EXPECT_EQ(folder_.read("old.out"), "an earlier report");
  EXPECT_EQ(folder_.run({"missing.in", "new.out"}).status, 1);
  EXPECT_FALSE(folder_.exists("new.out"));
}

// A path of the influence integrals' functions that VELDA_SIMD names but
// that does not exist stops the run before it starts.
TEST_F(RunControl, AnUnknownMathsPathIsRefused) {
  setenv("VELDA_SIMD", "avx1024", 1);
  const auto run = folder_.run({"square.in", "square.out"});
  unsetenv("VELDA_SIMD");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.error.find("VELDA_SIMD=avx1024: unknown path"), std::string::npos) << run.error;
  EXPECT_FALSE(folder_.exists("square.out"));
}

// A report whose last bytes cannot be written out when it is closed: the
// failure names the statement with its code and the report's unit and file.
TEST(RunControlInMemory, ReportThatCannotBeClosedFails) {
  struct FullDisk : runcontrol::MemoryFiles {
    struct : std::stringbuf {
      int sync() override { return -1; }
    } full;
    std::unique_ptr<runcontrol::OutputFile> create(const std::string&, std::string&) override {
      return std::make_unique<runcontrol::BufferFile>(full);
    }
  } files;
  const auto run =
      test_support::run_in_memory(test_support::source_file("examples/square.in"), &files);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.error.find(": run-time error 40: CLOSE(unit=6, file=OUT)\r\n"), std::string::npos)
      << run.error;
}

}  // namespace
