// Every tool's command line: --help gives the usage on standard output; no
// arguments, and each line of refused_command_lines.txt, are refused with
// the usage status, nothing on standard output, and on standard error the
// tool's name, what is wrong and the usage.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iomanip>
#include <sstream>

#include "runcontrol/memory_files.hpp"
#include "runcontrol/tool_run.hpp"
#include "tests/support/in_process.hpp"
#include "tests/support/run_program.hpp"
#include "tools/converge/run.hpp"
#include "tools/matrix/run.hpp"
#include "tools/mesh/run.hpp"
#include "tools/plot/run.hpp"
#include "tools/table/run.hpp"

namespace {

using Args = std::vector<std::string>;

struct Tool {
  std::string name;
  std::function<int(std::span<const std::string>, std::ostream&, std::ostream&)> run;
  std::string usage;    // how the usage line begins
  std::string missing;  // what no arguments are told
};

int velda_matrix(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  runcontrol::MemoryFiles files;
  return matrix::run(args, out, err, files);
}

const Tool kTools[] = {
    {"velda-matrix", velda_matrix, "Usage: velda-matrix INPUT [--csv]", "no input file named"},
    {"velda-converge", [](auto&&... a) { return converge::run(a...); },
     "Usage: velda-converge INPUT [--levels K]", "no input named"},
    {"velda-mesh", mesh::run, "Usage: velda-mesh MODEL", "the model is missing"},
    {"velda-table", table::run, "Usage: velda-table [--nodes | --internal] REPORT...",
     "no report named"},
    {"velda-plot", plot::run, "Usage: velda-plot INPUT [REPORT] [-o PICTURE.svg]",
     "the input file is missing"},
};

// What the tool says is wrong with `args`, after the checks every refusal meets.
std::string refusal(const Tool& tool, const Args& args) {
  const test_support::Outcome o = test_support::in_process(tool.run, args);
  EXPECT_EQ(o.status, runcontrol::kExitUsage) << o.error;
  EXPECT_TRUE(o.error.starts_with(tool.name + ": ")) << o.error;
  EXPECT_NE(o.error.find("\n" + tool.usage), std::string::npos) << o.error;
  EXPECT_EQ(o.out, "");
  return o.error.substr(tool.name.size() + 2);
}

TEST(ToolCommandLine, HelpGivesTheUsageAndNoArgumentsAreRefused) {
  for (const Tool& tool : kTools) {
    SCOPED_TRACE(tool.name);
    const test_support::Outcome help = test_support::in_process(tool.run, {"--help"});
    EXPECT_EQ(help.status, runcontrol::kExitHelp);
    EXPECT_TRUE(help.out.starts_with(tool.usage)) << help.out;
    EXPECT_TRUE(refusal(tool, {}).starts_with(tool.missing + "\n"));
  }
}

TEST(ToolCommandLine, WrongCommandLinesAreRefused) {
  std::istringstream lines(test_support::source_file("tests/tools/refused_command_lines.txt"));
  int refused = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    SCOPED_TRACE(line);
    std::istringstream words(line);
    std::string name;
    Args args;
    words >> name;
    for (std::string word; words >> std::quoted(word);) args.push_back(word);
    const auto tool = std::ranges::find(kTools, name, &Tool::name);
    ASSERT_NE(tool, std::end(kTools));
    refusal(*tool, args);
    ++refused;
  }
  EXPECT_EQ(refused, 31);
}

}  // namespace
