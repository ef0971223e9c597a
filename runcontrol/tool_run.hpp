// How the tools beside the program take their command line and speak on
// standard error: their name, a colon and the message, the user's text shown
// printable.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace runcontrol {

// "PROGRAM: WHAT" on a line of its own, with the bytes of WHAT that are not
// printable shown as \xNN: it may quote file names and input text.
void tell(std::ostream& err, std::string_view program, std::string_view what);

// A wrong command line: what is wrong, then the usage line and where to
// read more.
void tell_usage(std::ostream& err, std::string_view program, std::string_view usage,
                std::string_view wrong);

// Flushes standard output, `out`. False, after saying that the `what` could
// not be written there, when it did not take everything (a full disk, a
// closed pipe).
bool flushed(std::ostream& out, std::ostream& err, std::string_view program, std::string_view what);

// A tool's exit status after its help, and after a wrong command line.
inline constexpr int kExitHelp = 0;
inline constexpr int kExitUsage = 2;

struct ToolText {
  std::string_view program;  // its name in messages
  std::string_view usage;    // its command line in one line, without the name
  std::string_view help;     // what --help writes
};

// The request that `parse` makes of the command line, or the exit status
// after the help, asked by --help or -h alone, is written to `out`, or after
// what is wrong with the command line is told on `err` with the usage.
// `parse` returns a Request or what is wrong.
template <typename Request, typename Parse>
std::variant<Request, int> read_command_line(std::span<const std::string> args, std::ostream& out,
                                             std::ostream& err, const ToolText& text, Parse parse) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << text.help;
    return kExitHelp;
  }
  std::variant<Request, std::string> command = parse(args);
  if (const auto* wrong = std::get_if<std::string>(&command)) {
    tell_usage(err, text.program, text.usage, *wrong);
    return kExitUsage;
  }
  return std::get<Request>(std::move(command));
}

}  // namespace runcontrol
