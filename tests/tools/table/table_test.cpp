// velda-table on real reports: the bundled examples' and those of runs that
// stopped early, cut reports and files that are not reports.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/csv_records.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/process.hpp"
#include "tests/support/run_program.hpp"
#include "textio/fields.hpp"
#include "textio/printable.hpp"
#include "tools/table/run.hpp"

namespace {

using test_support::csv_records;
using test_support::Record;

struct Table {
  int status;
  std::vector<Record> records;
  std::string out, err;
};

Table velda_table(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = table::run(args, out, err);
  return {status, csv_records(out.str()), out.str(), err.str()};
}

// Each example's row against what the run itself shows elsewhere: the title
// and counts of its input, the FLUX lines of its console; and each node and
// internal point row, laid out again in the report's columns, is a line of
// the report.
TEST(VeldaTable, ExampleRowsHoldTheirRunsTitleCountsFluxesAndValues) {
  for (const std::string name :
       {"annulus", "capacitor", "dielectric", "impedance", "quarter", "square"}) {
    SCOPED_TRACE(name);
    const std::string report = test_support::source_path("examples/expected/" + name + ".out");
    const Table t = velda_table({report});
    ASSERT_EQ(t.status, 0) << t.err;
    ASSERT_EQ(t.records.size(), 2u);
    const Record& row = t.records[1];
    std::istringstream input(test_support::source_file("examples/" + name + ".in"));
    std::string title;
    int flags, counts[3];
    std::getline(input, title);
    input >> flags >> flags >> counts[0] >> counts[1] >> counts[2];
    EXPECT_EQ(row[0], report);
    EXPECT_EQ(row[1], textio::trimmed(std::string_view(title).substr(1)));
    EXPECT_EQ(row[2], "complete");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(row[4 + i], std::to_string(counts[i]));
    std::istringstream console(test_support::source_file("examples/expected/" + name + ".console"));
    std::vector<std::string> fluxes;
    for (std::string line; std::getline(console, line);)
      if (line.starts_with("FLUX"))
        fluxes.emplace_back(textio::trimmed(std::string_view(line).substr(line.find(':') + 1, 12)));
    EXPECT_EQ(Record(row.begin() + 7, row.end()), fluxes);

    const std::string text = test_support::source_file("examples/expected/" + name + ".out");
    const auto lines_are_in_report = [&](const char* mode, int rows, const char* first,
                                         const char* step) {
      const Table values = velda_table({mode, report});
      ASSERT_EQ(values.records.size(), rows + 1u);
      for (std::size_t r = 1; r < values.records.size(); ++r) {
        const Record& v = values.records[r];
        char line[128];
        int at = std::snprintf(line, sizeof line, first, v[mode[2] == 'n' ? 1 : 2].c_str());
        for (std::size_t k = mode[2] == 'n' ? 2 : 3; k < v.size() && !v[k].empty(); ++k)
          at += std::snprintf(line + at, sizeof line - at, step, v[k].c_str());
        EXPECT_NE(text.find(std::string(line) + "\r\n"), std::string::npos) << line;
      }
    };
    lines_are_in_report("--nodes", counts[0], "%4s", "  %14s");
    lines_are_in_report("--internal", counts[1], " %14s", "  %14s");
  }
}

// A report of each kind that is not complete keeps its row, in its place
// among the others, and is named after the rows; the exit status says so.
TEST(VeldaTable, ReportsThatAreNotCompleteKeepTheirRowsAndAreNamed) {
  const std::string capacitor = test_support::source_file("examples/expected/capacitor.out");
  const auto first_lines = [&](int n) {
    std::size_t end = 0;
    for (int i = 0; i < n; ++i) end = capacitor.find('\n', end) + 1;
    return capacitor.substr(0, end);
  };
  const auto run_of = [](const std::string& malformed) {
    return test_support::run_in_memory(test_support::source_file("tests/malformed/" + malformed))
        .report;
  };
  const std::string whole = first_lines(436);
  struct Case {
    std::string file, report, status, note;
  };
  const std::vector<Case> cases = {
      {"square.out", test_support::source_file("examples/expected/square.out"), "complete", ""},
      {"code.out", run_of("code_five.in"), "refused", "UNKNOWN CODE AT I=   3 KODE =   5"},
      {"lastnode.out", run_of("last_nodes_decreasing.in"), "refused",
       "LAST NODE OF BOUNDARY 2 IS 3: IT MUST BE AT LEAST 5"},
      {"singular.out", run_of("all_neumann.in"), "complete", "**** IER NON ZERO IN DPVT :  -4"},
      {"title.out", first_lines(2), "incomplete", "the report stops after its title"},
      {"echo.out", first_lines(150), "incomplete", "the report stops in the data echo"},
      {"nodes.out", first_lines(300), "incomplete", "the report stops in its results"},
      {"currents.out", first_lines(435), "incomplete", "the report stops in its currents"},
      {"midline.out", first_lines(300) + whole.substr(first_lines(300).size(), 30), "incomplete",
       "the report stops in its results"},
      {"input.in", test_support::source_file("examples/square.in"), "unreadable",
       "is not a report"},
      {"gone.out", "", "missing", "the file does not exist"},
  };
  test_support::Folder folder;
  std::vector<std::string> files;
  for (const Case& c : cases) {
    files.push_back((folder.path() / c.file).string());
    if (c.status != "missing") folder.write(c.file, c.report);
  }
  const Table t = velda_table(files);
  EXPECT_EQ(t.status, 1);
  ASSERT_EQ(t.records.size(), cases.size() + 1);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Record& row = t.records[i + 1];
    SCOPED_TRACE(cases[i].file);
    EXPECT_EQ(row[0], files[i]);
    EXPECT_EQ(row[2], cases[i].status);
    if (cases[i].note.empty()) {
      EXPECT_EQ(row[3], "");
    }
    EXPECT_NE(row[3].find(cases[i].note), std::string::npos) << row[3];
    const bool named = t.err.find(files[i] + ": " + cases[i].status) != std::string::npos;
    EXPECT_EQ(named, cases[i].status != "complete") << t.err;
    EXPECT_EQ(row.size(), 7u);  // no flux column: cut currents are not shown
  }
  EXPECT_EQ(velda_table({"--nodes", files[1]}).records.size(), 1u);  // the header alone
}

// A title with commas and quotes is quoted; its bytes that are not UTF-8
// and control characters are shown as the program's messages show them, so
// the table is UTF-8 with no control character but its line ends.
TEST(VeldaTable, TitlesAreQuotedAndStrayBytesAndControlsEscaped) {
  const std::pair<std::string, std::string> titles[] = {
      {R"( SAY "HI", THEN "BYE")", R"(SAY "HI", THEN "BYE")"},
      {" A\xFF\x1B[31m,\xC3\xA9\x01", "A\\xFF\\x1B[31m,\xC3\xA9\\x01"}};
  for (const auto& [title, shown] : titles) {
    std::string input = test_support::source_file("examples/square.in");
    input.replace(0, input.find('\n'), title);
    test_support::Folder folder;
    folder.write("t.out", test_support::run_in_memory(input).report);
    const Table t = velda_table({(folder.path() / "t.out").string()});
    ASSERT_EQ(t.records.size(), 2u);
    EXPECT_EQ(t.records[1][1], shown);
    std::string text = t.out;
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    EXPECT_EQ(textio::printable(text), text);
  }
}

// A file of 48 MiB of empty lines after a line of asterisks is read in a
// few times its bytes, not 16 bytes a line (address space is what a
// sanitized build reserves in bulk, so it is not limited there).
TEST(VeldaTable, FileOfEmptyLinesIsReadInMemoryOfItsBytes) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address space of a sanitized build cannot be limited";
#endif
  constexpr std::size_t kEmptyLines = std::size_t{48} << 20;
  constexpr rlim_t kMemory = rlim_t{320} << 20;
  test_support::Folder folder;
  folder.write("lines.out", std::string(79, '*') + "\r\n" + std::string(kEmptyLines, '\n'));
  test_support::Launch launch;
  launch.program = std::filesystem::path(VELDA_EXE).replace_filename("velda-table").string();
  launch.args = {"lines.out"};
  launch.memory = kMemory;
  const test_support::Outcome o = test_support::run(folder.path(), launch);
  EXPECT_EQ(o.status, table::kExitNotAllComplete);
  EXPECT_NE(o.error.find("lines.out: unreadable: cannot read the report 'lines.out': line 5 "),
            std::string::npos)
      << o.error;
}

}  // namespace
