#include "2D/GETFNAMES.hpp"

#include "2D/VELDA.hpp"
#include "runcontrol/failure.hpp"
#include "textio/layout.hpp"
#include "textio/printable.hpp"

namespace velda {
namespace {

constexpr std::size_t kLongestName = kFileNameLength;

bool is_blank(const std::string& name) { return name.find_first_not_of(' ') == std::string::npos; }

std::string padded(const std::string& text) {
  std::string name = text;
  name.resize(kFileNameLength, ' ');
  return name;
}

struct Question {
  std::size_t argument;     // index in args of the name's argument
  std::string_view echo;    // layout showing a name from the command line
  std::string_view prompt;  // layout asking for it
  std::string_view default_name;
  int unit;  // the name's file is opened on it
};

// A name longer than its variable would be cut, and could then name another
// file; one holding a NUL byte would be cut there by the system. Either ends
// the run before any file is opened.
void refuse_unusable(const std::string& name, int unit) {
  const std::string shown =
      name.size() > kLongestName ? name.substr(0, kLongestName) + "..." : name;
  if (name.find('\0') != std::string::npos)
    throw runcontrol::Failure(runcontrol::Statement::OPEN, runcontrol::channel_name(unit, shown),
                              "the name holds a NUL byte, which no file name can hold");
  if (name.size() > kLongestName)
    throw runcontrol::Failure(runcontrol::Statement::OPEN, runcontrol::channel_name(unit, shown),
                              "the name has " + std::to_string(name.size()) +
                                  " characters: a file name may have at most " +
                                  std::to_string(kFileNameLength));
}

// One name: the command line's argument when there is one, else the typed
// answer. A blank one, typed or given, is the default name. A given name is
// echoed as given, trailing blanks too, or as the name taken where that
// differs (blank, or with more trailing blanks than the name's variable
// holds); bytes that are not printable are shown as \xNN.
std::string ask(const Question& q, std::span<const std::string> args, textio::Units& u) {
  const bool given = q.argument < args.size();
  if (!given) textio::write(u.console, q.prompt);
  const std::string answer = given ? args[q.argument] : std::string(u.keyboard.next_line());
  std::string name = file_name(answer);
  if (is_blank(name)) name = q.default_name;
  refuse_unusable(name, q.unit);
  if (given) {
    const bool taken_as_given = answer.size() <= kLongestName && !is_blank(answer);
    textio::write(u.console, q.echo, {textio::printable(taken_as_given ? answer : name)});
  }
  return padded(name);
}

}  // namespace

std::string file_name(const std::string& padded_name) {
  const auto last = padded_name.find_last_not_of(' ');
  return padded_name.substr(0, last == std::string::npos ? 0 : last + 1);
}

void GETFNAMES(std::string& INFILE, std::string& OUTFILE, std::span<const std::string> args,
               textio::Units& u) {
  INFILE = ask({1, R"((1X, "NAME OF INPUT FILE : ", A))", R"((1X, "NAME OF INPUT FILE : ", \))",
                "VELDA.IN", kInputUnit},
               args, u);
  OUTFILE = ask({2, R"((1X, "NAME OF OUTPUT FILE : ", A))", R"((1X, "NAME OF OUTPUT FILE : ", \))",
                 "VELDA.OUT", kReportUnit},
                args, u);
  textio::write(u.console, R"((\))");
}

}  // namespace velda
