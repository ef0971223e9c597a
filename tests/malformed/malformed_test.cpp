// The malformed-input corpus: every file of tests/malformed is run through the
// built program as its input, and must end as its row of expected_endings.txt
// says. None may crash, hang, trip a sanitizer or an assert, or write a number
// that is not finite to the console or the report. In the sanitizer build a
// fault aborts the program, which no expected ending accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "tests/support/run_program.hpp"

namespace {

namespace fs = std::filesystem;

struct Run {
  int status;
  std::string console, error, report;
};

// The program run on `input` as the file IN, writing the report OUT.
Run run_on(const std::string& input) {
  const test_support::Folder folder;
  folder.write("IN", input);
  const test_support::Outcome o = folder.run({"IN", "OUT"});
  return {o.status, o.out, o.error, folder.read("OUT")};
}

const std::string kStop = "Stop - Program terminated.\r\n";
const std::string kFatal = "\r\n*** FATAL ERROR ***\r\n";

// Whether console or report, past the echoed title (the user's text), show a
// number that is not finite ("nan", "inf", "-Infinity"...); the words of the
// program's own records hold neither.
bool shows_non_finite(const Run& run) {
  const auto title_end = run.report.find('\n', run.report.find('\n') + 1);
  std::string shown =
      run.console + (title_end == std::string::npos ? "" : run.report.substr(title_end));
  std::transform(shown.begin(), shown.end(), shown.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return shown.find("nan") != std::string::npos || shown.find("inf") != std::string::npos;
}

// Checks that `run` ended with `ending` and `text` as expected_endings.txt
// describes them, and showed no number that is not finite.
void expect_ending(const Run& run, const std::string& ending, const std::string& text) {
  const std::string& report = run.report;
  EXPECT_FALSE(shows_non_finite(run)) << run.console << report;
  EXPECT_EQ(run.status, ending == "failed" ? 1 : 0) << run.error;
  if (ending == "failed") {
    EXPECT_EQ(run.console.find(kStop), std::string::npos);
    EXPECT_EQ(run.error.rfind("\r\n", 0), 0u) << run.error;
    for (const std::string& part : {std::string(": run-time error "), std::string("\r\n- "), text,
                                    std::string("\r\nExecution traceback:\r\n")})
      EXPECT_NE(run.error.find(part), std::string::npos) << run.error;
    EXPECT_EQ(report.find("RESULTS"), std::string::npos) << report;  // no result is written
    return;
  }
  EXPECT_EQ(run.error, "");
  if (ending == "solved") {
    EXPECT_TRUE(run.console.ends_with("\r\n" + kStop)) << run.console;
    EXPECT_NE(report.find(text), std::string::npos) << report;
  } else if (ending == "over-capacity") {
    EXPECT_TRUE(run.console.ends_with("\r\n" + text + kFatal)) << run.console;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;  // stars, title
  } else if (ending == "refused") {
    EXPECT_TRUE(run.console.ends_with("\r\n" + text + kFatal)) << run.console;
    EXPECT_TRUE(report.ends_with("\r\n" + text + "\r\n")) << report;
  } else {
    ASSERT_EQ(ending, "job-aborted");
    EXPECT_TRUE(run.console.ends_with("\r\n*** JOB ABORTED ***\r\n")) << run.console;
    EXPECT_TRUE(report.ends_with("\r\n" + text + "\r\n\r\n")) << report;
  }
}

std::string corpus_file(const std::string& name) {
  return test_support::source_file("tests/malformed/" + name);
}

struct Row {
  std::string file, ending, text;
};
void PrintTo(const Row& row, std::ostream* os) { *os << row.file; }

// The rows of expected_endings.txt, with \r and \n in the texts replaced.
std::vector<Row> expected_endings() {
  std::vector<Row> rows;
  std::istringstream table(corpus_file("expected_endings.txt"));
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto blank = line.find(' '), second = line.find(' ', blank + 1);
    Row row{line.substr(0, blank), line.substr(blank + 1, second - blank - 1), ""};
    for (std::size_t i = second + 1; i < line.size(); ++i) {
      const bool escape = line.compare(i, 2, "\\r") == 0 || line.compare(i, 2, "\\n") == 0;
      row.text += !escape ? line[i] : line[++i] == 'r' ? '\r' : '\n';
    }
    rows.push_back(row);
  }
  return rows;
}

class MalformedFile : public ::testing::TestWithParam<Row> {};

TEST_P(MalformedFile, EndsAsExpected) {
  const Row& row = GetParam();
  expect_ending(run_on(corpus_file(row.file)), row.ending, row.text);
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFile, ::testing::ValuesIn(expected_endings()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return fs::path(info.param.file).stem().string();
                         });

// The complete file cut in front of each of its lines, and inside each line
// after its first value: every cut runs out of input in the record it cuts.
TEST(MalformedInput, FilesTruncatedAtEveryRecordFailAtTheEndOfFile) {
  const std::string complete = corpus_file("complete.in");
  int lines = 0;  // before the cut
  for (std::size_t start = 0; start < complete.size(); ++lines) {
    const std::size_t end = complete.find('\n', start);
    const std::size_t value_end =
        complete.find_first_of(" \t,", complete.find_first_not_of(" \t,", start));
    SCOPED_TRACE("cut after line " + std::to_string(lines));
    expect_ending(run_on(complete.substr(0, start)), "failed",
                  "end of file after line " + std::to_string(lines) + ",");
    if (value_end < end) {
      SCOPED_TRACE("cut after the first value of the next line");
      expect_ending(run_on(complete.substr(0, value_end)), "failed",
                    "end of file after line " + std::to_string(lines + 1) + ",");
    }
    start = end + 1;
  }
  EXPECT_EQ(lines, 20);
}

}  // namespace
