// The command line of velda-plot, and what a whole run writes and answers.
#include "plot/run.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "e2e/run_program.hpp"
#include "plot/command_line.hpp"
#include "plot/shapes.hpp"
#include "plot/xml_check.hpp"

namespace {

TEST(CommandLine, PictureIsNamedAfterTheInputUnlessGiven) {
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
  }
  const auto both =
      std::get<plot::Request>(plot::parse_command_line(std::vector<std::string>{"a.in", "a.out"}));
  EXPECT_EQ(both.input, "a.in");
  EXPECT_EQ(both.report, "a.out");
}

TEST(CommandLine, WrongCommandLinesAreRefused) {
  const std::vector<std::string> wrong[] = {{},
                                            {"-o"},
                                            {"a.in", "-o"},
                                            {"a.in", "b", "c"},
                                            {"a.in", "--colour"},
                                            {"a.svg"},
                                            {"a.in", "r.out", "-o", "./r.out"}};
  for (const auto& args : wrong)
    EXPECT_TRUE(std::holds_alternative<plot::UsageError>(plot::parse_command_line(args)))
        << (args.empty() ? "(none)" : args.back());
  const std::vector<std::string> help{"a.in", "--help"};
  EXPECT_TRUE(std::holds_alternative<plot::HelpWanted>(plot::parse_command_line(help)));
}

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = plot::run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(Run, WritesThePictureAndSaysWhere) {
  const e2e::Folder folder;
  const std::string input = (folder.path() / "ring.in").string();
  folder.write("ring.in", plot_test::input_text(plot_test::annulus(true)));
  const Outcome o = run({input});
  EXPECT_EQ(o.status, plot::kExitDrawn);
  const std::string picture = (folder.path() / "ring.svg").string();
  EXPECT_EQ(o.out, "velda-plot: wrote " + picture + "\n");
  EXPECT_EQ(o.err.rfind("velda-plot: warning: Boundary 2 lies inside boundary 1", 0), 0u) << o.err;
  EXPECT_EQ(plot_test::xml_fault(folder.read("ring.svg")), "");
}

TEST(Run, UnreadableFilesEndTheRunWithAMessage) {
  const e2e::Folder folder;
  const std::string input = (folder.path() / "ring.in").string();
  folder.write("ring.in", plot_test::input_text(plot_test::annulus()));
  folder.write("bad.in", "TITLE\n0 0 4 0 1 5\n0 0 1 0 1 x\n");
  folder.write("long.in", "TITLE\n0 0 1 0 1 2\n-1e308 0 1e308 0\n0 0.0\n");
  folder.write("wide.in", "TITLE\n0 0 1 2 1 2\n0 0 1 0\n0 0.0\n-1e308 0 1e308 0\n");
  const std::string bad = (folder.path() / "bad.in").string();
  const std::string missing = (folder.path() / "missing.out").string();
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{(folder.path() / "none.in").string()}, "velda-plot: cannot open the input file"},
      {{folder.path().string()},
       "velda-plot: cannot read the input file '" + folder.path().string() + "': it is a folder"},
      {{bad}, "velda-plot: cannot read the input file '" + bad + "': \"x\" in line 3"},
      {{input, missing}, "velda-plot: cannot open the report '" + missing + "'"},
      {{input, input, "-o", (folder.path() / "x.svg").string()},
       "velda-plot: the report '" + input + "' holds no table of boundary nodes"},
      {{(folder.path() / "long.in").string()},
       "velda-plot: element 1 of boundary 1 has coordinates too large to draw"},
      {{(folder.path() / "wide.in").string()},
       "velda-plot: the problem's coordinates span too small or too large a range to draw"},
      {{input, "-o", (folder.path() / "no" / "x.svg").string()},
       "velda-plot: cannot create the picture"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome o = run(args);
    EXPECT_EQ(o.status, plot::kExitRefused) << message;
    EXPECT_EQ(o.err.rfind(message, 0), 0u) << o.err;
    EXPECT_EQ(o.out, "");
  }
}

TEST(Run, RefusedInputSaysWhatTheInputStepSaid) {
  const e2e::Folder folder;
  folder.write("big.in", "TITLE\n0 0 1700 0 1 1701\n");
  folder.write("code.in", "TITLE\n0 0 4 0 1 5\n0 0 1 0 1 1 0 1 0 0\n0 0.0\n7 1.0\n");
  EXPECT_EQ(run({(folder.path() / "big.in").string()}).err,
            "velda-plot: the input file '" + (folder.path() / "big.in").string() +
                "' is refused: TOO MANY ELEMENTS :1700/1600 (maximum)\n");
  EXPECT_EQ(run({(folder.path() / "code.in").string()}).err,
            "velda-plot: the input file '" + (folder.path() / "code.in").string() +
                "' is refused: UNKNOWN CODE AT I=   2 KODE =   7\n");
}

TEST(Run, HelpAndUsage) {
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.status, plot::kExitDrawn);
  EXPECT_EQ(help.out.rfind("Usage: velda-plot INPUT [REPORT] [-o PICTURE.svg]", 0), 0u);
  const Outcome usage = run({});
  EXPECT_EQ(usage.status, plot::kExitUsage);
  EXPECT_EQ(usage.err.rfind("velda-plot: the input file is missing\nUsage:", 0), 0u);
}

}  // namespace
