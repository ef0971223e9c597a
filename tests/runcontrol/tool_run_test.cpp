// The tools' command line, messages and the check that standard output took
// everything.
#include "runcontrol/tool_run.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr runcontrol::ToolText kText{"velda-x", "INPUT [--y]", "Usage: velda-x INPUT [--y]\n"};

struct Request {
  std::string input;
};

// Anything starting with '-' is wrong.
std::variant<Request, std::string> parse_one(std::span<const std::string> args) {
  if (args.empty()) return "no input";
  if (args[0][0] == '-') return "unknown option \x1b" + args[0];
  return Request{args[0]};
}

struct Read {
  std::variant<Request, int> command;
  std::string out, err;
};

Read read(std::vector<std::string> args) {
  std::ostringstream out, err;
  auto command = runcontrol::read_command_line<Request>(args, out, err, kText, parse_one);
  return {command, out.str(), err.str()};
}

TEST(ToolRun, HelpAloneIsWrittenAndAWrongLineIsToldWithTheUsage) {
  for (const char* help : {"--help", "-h"}) {
    const Read r = read({help});
    EXPECT_EQ(std::get<int>(r.command), runcontrol::kExitHelp);
    EXPECT_EQ(r.out, kText.help);
    EXPECT_EQ(r.err, "");
  }
  const Read wrong = read({"--help", "a.in"});
  EXPECT_EQ(std::get<int>(wrong.command), runcontrol::kExitUsage);
  EXPECT_EQ(wrong.out, "");
  EXPECT_EQ(wrong.err,
            "velda-x: unknown option \\x1B--help\n"
            "Usage: velda-x INPUT [--y]; velda-x --help tells more\n");
  const Read request = read({"a.in"});
  EXPECT_EQ(std::get<Request>(request.command).input, "a.in");
  EXPECT_EQ(request.out + request.err, "");
}

// A standard output that takes nothing, as on a full disk.
class Full : public std::streambuf {
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(ToolRun, OutputThatWasNotTakenIsTold) {
  std::ostringstream good, err;
  good << "table";
  EXPECT_TRUE(runcontrol::flushed(good, err, "velda-x", "table"));
  EXPECT_EQ(err.str(), "");
  Full full;
  std::ostream out(&full);
  out << "table";
  EXPECT_FALSE(runcontrol::flushed(out, err, "velda-x", "table"));
  EXPECT_EQ(err.str(), "velda-x: the table could not be written to standard output\n");
}

}  // namespace
