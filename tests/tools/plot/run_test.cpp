// The command line of velda-plot, and what a whole run writes and answers.
#include "tools/plot/run.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/in_process.hpp"
#include "tests/support/memory_run.hpp"
#include "tests/support/plot_shapes.hpp"
#include "tests/support/run_program.hpp"

namespace {

// Help is asked for after the input as well as alone.
TEST(CommandLine, PictureIsNamedAfterTheInputUnlessGivenAndHelpAfterIt) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"square.in"}, "square.svg"},
      {{"dir.d/problem"}, "dir.d/problem.svg"},
      {{"a.in", "a.out"}, "a.svg"},
      {{"a.in", "-o", "b.svg", "a.out"}, "b.svg"},
  };
  for (const auto& [args, picture] : cases) {
    const auto parsed = plot::parse_command_line(args);
    ASSERT_TRUE(std::holds_alternative<plot::Request>(parsed)) << args[0];
    EXPECT_EQ(std::get<plot::Request>(parsed).picture, picture);
    EXPECT_TRUE(std::get<plot::Request>(parsed).field);
  }
  const auto options = std::get<plot::Request>(plot::parse_command_line(
      std::vector<std::string>{"a.in", "a.out", "--grid", "40", "--no-field"}));
  EXPECT_EQ(options.grid, 40);
  EXPECT_FALSE(options.field);
  const std::vector<std::string> help{"a.in", "--help"};
  EXPECT_TRUE(std::holds_alternative<plot::HelpWanted>(plot::parse_command_line(help)));
}

using test_support::Outcome;

Outcome run(const std::vector<std::string>& args) {
  return test_support::in_process(plot::run, args);
}

// A folder holding the annulus as ring.in.
class Run : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.write("ring.in", test_support::input_text(test_support::annulus()));
  }
  std::string at(const std::string& name) const { return (folder_.path() / name).string(); }
  test_support::Folder folder_;
};

TEST_F(Run, WritesThePictureAndSaysWhere) {
  folder_.write("hole.in", test_support::input_text(test_support::annulus(true)));
  const Outcome o = run({at("hole.in")});
  EXPECT_EQ(o.status, plot::kExitDrawn);
  EXPECT_EQ(o.out, "velda-plot: wrote " + at("hole.svg") + "\n");
  EXPECT_EQ(o.error.rfind("velda-plot: warning: Boundary 2 lies inside boundary 1", 0), 0u)
      << o.error;
  EXPECT_EQ(test_support::xml_fault(folder_.read("hole.svg")), "");
}

// Each names the file and what is wrong with it; the input step's own stops
// are repeated as it gave them.
TEST_F(Run, UnreadableOrRefusedFilesEndTheRunWithAMessage) {
  const std::pair<const char*, std::string> inputs[] = {
      {"bad.in", "TITLE\n0 0 4 0 1 5\n0 0 1 0 1 x\n"},
      {"long.in", "TITLE\n0 0 1 0 1 2\n-1e308 0 1e308 0\n0 0.0\n"},
      {"wide.in", "TITLE\n0 0 1 2 1 2\n0 0 1 0\n0 0.0\n-1e308 0 1e308 0\n"},
      {"big.in", "TITLE\n0 0 1700 0 1 1701\n"},
      {"code.in", "TITLE\n0 0 4 0 1 5\n0 0 1 0 1 1 0 1 0 0\n0 0.0\n7 1.0\n"}};
  for (const auto& [name, text] : inputs) folder_.write(name, text);
  // A report cut inside its last number, the total of the currents.
  const std::string report =
      test_support::run_in_memory(test_support::input_text(test_support::annulus())).report;
  folder_.write("cut.out", report.substr(0, report.rfind('E') + 3));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{at("none.in")}, "cannot open the input file"},
      {{at("")}, "cannot open the input file '" + at("") + "': this is a folder, not a file"},
      {{at("bad.in")}, "cannot read the input file '" + at("bad.in") + "': \"x\" in line 3"},
      {{at("ring.in"), at("none.out")}, "cannot open the report '" + at("none.out") + "'"},
      {{at("ring.in"), at("ring.in"), "-o", at("x.svg")},
       "'" + at("ring.in") + "' is not a report: it does not begin with a line of 79 asterisks"},
      {{at("ring.in"), at("cut.out")},
       "the report '" + at("cut.out") +
           "' holds no whole results: the report stops in its "
           "currents (its last line has no line end)"},
      {{at("long.in")}, "element 1 of boundary 1 has coordinates too large to draw"},
      {{at("wide.in")}, "the problem's coordinates span too small or too large a range to draw"},
      {{at("ring.in"), "-o", at("no/x.svg")}, "cannot create the picture"},
      {{at("ring.in"), "-o", "/dev/full"},
       "cannot write the picture '/dev/full': the file could not be written completely: No "
       "space left on device\n"},
      {{"/dev/zero"}, "cannot read the input file '/dev/zero': line 1 is longer than 1048576"},
      {{at("big.in")},
       "the input file '" + at("big.in") +
           "' is refused: TOO MANY ELEMENTS :1700/1600 (maximum)\n"},
      {{at("code.in")},
       "the input file '" + at("code.in") + "' is refused: UNKNOWN CODE AT I=   2 KODE =   7\n"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome o = run(args);
    EXPECT_EQ(o.status, plot::kExitRefused) << message;
    EXPECT_EQ(o.error.rfind("velda-plot: " + message, 0), 0u) << o.error;
    EXPECT_EQ(o.out, "");
  }
}

// The whole report of the square belongs to the square's input and to no
// other.
TEST(RunReport, ReportIsMatchedToItsInputAlone) {
  const std::string input = test_support::source_file("examples/square.in");
  plot::Results r = report::parse(test_support::run_in_memory(input).report, "OUT").results;
  const plot::Problem square = plot::problem_from_text(input, "square.in");
  EXPECT_NO_THROW(plot::check_report_matches(square, r, "square.in", "OUT"));
  EXPECT_THROW(plot::check_report_matches(test_support::problem_of(test_support::annulus()), r,
                                          "a.in", "OUT"),
               plot::PlotError);
  r.nodes[2].at.y = 1.0001;
  try {
    plot::check_report_matches(square, r, "square.in", "OUT");
    ADD_FAILURE() << "a moved node was accepted";
  } catch (const plot::PlotError& e) {
    EXPECT_STREQ(e.what(),
                 "the report 'OUT' does not belong to the input file 'square.in': boundary node 3 "
                 "is at (0.5, 1.0001) in the report, at (0.5, 1) in the input");
  }
}

}  // namespace
