// Reading reports back: a report is accepted as what it is only when it is
// whole and exactly as the program writes it.
#include "report/report.hpp"

#include <gtest/gtest.h>

#include "report/format.hpp"
#include "report/report_error.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tests/support/run_program.hpp"
#include "textio/layout.hpp"
#include "tools/plot/problem.hpp"

namespace {

std::string example_report(const std::string& name) {
  return test_support::source_file("examples/expected/" + name + ".out");
}

// The status and note of the text read as a report, or why it cannot be.
std::string outcome(std::string_view text) {
  try {
    const report::Report r = report::parse(text, "r.out");
    switch (r.status) {
      case report::Status::complete:
        return "complete";
      case report::Status::refused:
        return "refused: " + r.note;
      case report::Status::incomplete:
        break;
    }
    return "incomplete: " + r.note;
  } catch (const report::ReportError& e) {
    return std::string("unreadable: ") + e.what();
  }
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

// Values with exponents of three digits, whose letter gives way to them, and
// interface nodes, which have no derivative (dielectric.in has two boundaries
// of code 3, 32 nodes in all).
TEST(Report, RecoversEveryPrintedValue) {
  const std::string square = example_report("square");
  const auto node = report::parse(square, "square.out").results.nodes[0];
  const std::vector<textio::Value> values{1,      node.at.x,    node.at.y,
                                          node.S, 1.23457e-120, -7.65432e+101};
  const std::string line = textio::format_records(report::kNodeResult, values).front().substr(1);
  const std::string text = square.substr(0, square.find("\r\n   1 ") + 2) + line +
                           square.substr(square.find("\r\n", square.find("\r\n   1 ") + 2));
  const report::NodeResult read = report::parse(text, "r.out").results.nodes[0];
  EXPECT_EQ(read.potential, 1.23457e-120);
  EXPECT_EQ(read.derivative, -7.65432e+101);
  EXPECT_EQ(read.printed[3], "1.23457-120");

  const report::Report dielectric = report::parse(example_report("dielectric"), "d.out");
  int interface_nodes = 0;
  for (const auto& n : dielectric.results.nodes) interface_nodes += n.derivative ? 0 : 1;
  EXPECT_EQ(interface_nodes, 32);
}

// The title record's first character chooses the spacing and is not shown:
// the table and the picture show the same title.
TEST(Report, TitleIsShownWithoutItsControlCharacterEverywhere) {
  const std::pair<std::string, std::string> cases[] = {
      {" HEAT", "HEAT"},   {"0HEAT", "HEAT"}, {"1HEAT", "HEAT"}, {"+HEAT", "HEAT"},
      {"XHEAT  ", "HEAT"}, {"0", ""},         {" ", ""},         {"  RESULTS", "RESULTS"},
  };
  for (const auto& [first_line, title] : cases) {
    SCOPED_TRACE(first_line);
    test_support::Shape shape = test_support::annulus();
    shape.title = first_line;
    const std::string input = test_support::input_text(shape);
    const auto run = test_support::run_in_memory(input);
    ASSERT_EQ(run.status, 0) << run.error;
    const report::Report r = report::parse(run.report, "OUT");
    EXPECT_EQ(r.status, report::Status::complete);
    EXPECT_EQ(r.title, title);
    EXPECT_EQ(r.results.nodes.size(), 24u);
    EXPECT_EQ(plot::problem_from_text(input, "IN").title, title);
  }
}

// F1: a report cut anywhere, even inside its first line or its last number,
// or with line ends that are CR alone, is never read as more than it is.
TEST(Report, ReportWithoutLineEndsOrCutAnywhereIsIncomplete) {
  const std::string square = example_report("square");
  constexpr std::size_t kStars = 79;
  for (std::size_t length = 0; length < square.size(); ++length) {
    const std::string read = outcome(square.substr(0, length));
    const char* expected = length < kStars ? "unreadable: '" : "incomplete: the report stops ";
    ASSERT_EQ(read.rfind(expected, 0), 0u) << length << ": " << read;
  }
  std::string cr_only = square, lf_only = square;
  for (std::size_t at; (at = cr_only.find("\r\n")) != std::string::npos;) cr_only.erase(at + 1, 1);
  for (std::size_t at; (at = lf_only.find("\r\n")) != std::string::npos;) lf_only.erase(at, 1);
  EXPECT_EQ(outcome(cr_only),
            "incomplete: the report stops before its title (its last line has no line end)");
  EXPECT_EQ(outcome(lf_only), "complete");
}

// F2 and the lines around it: each line must be what the program writes
// for the values read from it, and the tables as long as the echo's counts.
TEST(Report, ValuesThatAreNotNumbersOrCountsMakeTheReportUnreadable) {
  const std::string capacitor = example_report("capacitor");
  const std::pair<std::string, std::string> changes[][2] = {
      {{"BOUNDARIES =   3", "BOUNDARIES = NaN"}, {"line 13 holds \"NaN\" where a whole", ""}},
      {{"ELEMENTS = 128", "ELEMENTS = 1.0"}, {"line 7 holds \"1.0\" where a whole", ""}},
      {{"ELEMENTS = 128", "ELEMENTS = 127"},
       {"it lists 128 boundary nodes, the echo gives 127", ""}},
      {{"CALCULATED =   4", "CALCULATED =  -4"}, {"is not a count", ""}},
      {{"FLUX   1 : 8.52207E+00", "FLUX   1 : 8.52207E+0 "},
       {"should read \"FLUX   1 : 8.52207E+00\"", ""}},
      {{"FLUX   1 : 8.52207E+00", "FLUX   1 :         NaN"}, {"where a number stands", ""}},
      {{"FLUX   2 :-8.52207E+00\r\n", ""},
       {"the currents of 1 groups, the node codes call for 2", ""}},
      {{"-1.99771E+00", "-1.99771E+0 "}, {"line 426 should read", ""}},
      {{"\r\nRESULTS\r\n", "\r\nRESULT\r\n"}, {"line 286 should read \"RESULTS\"", ""}},
      {{"\r\n    3    -3.00000E+00", "\r\n    4    -3.00000E+00"},
       {"line 22 should read", "is row 4, not 3"}},
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(change[0].second);
    const std::string read = outcome(replaced(capacitor, change[0].first, change[0].second));
    EXPECT_EQ(read.rfind("unreadable: cannot read the report 'r.out': ", 0), 0u) << read;
    EXPECT_NE(read.find(change[1].first), std::string::npos) << read;
    EXPECT_NE(read.find(change[1].second), std::string::npos) << read;
  }
}

TEST(Report, AnythingAfterTheEndMakesTheReportUnreadable) {
  const std::string square = example_report("square");
  for (const std::string& after : {std::string("x"), std::string("\r\n"), square}) {
    const std::string read = outcome(square + after);
    EXPECT_NE(read.find("line 54 follows the end of the report"), std::string::npos) << read;
  }
  EXPECT_EQ(outcome(example_report("annulus")), "complete");
}

}  // namespace
