#include "2D/GETFNAMES.hpp"

#include "textio/free_form.hpp"
#include "textio/layout.hpp"

namespace velda {
namespace {

bool is_blank(const std::string& name) { return name.find_first_not_of(' ') == std::string::npos; }

std::string padded(const std::string& text) {
  std::string name = text.substr(0, kFileNameLength);
  name.resize(kFileNameLength, ' ');
  return name;
}

struct Question {
  std::size_t argument;         // index in args of the name's argument
  std::string_view echo;        // layout showing a name from the command line
  std::string_view prompt;      // layout asking for it
  std::string_view default_name;
};

// One name: the command line's argument when there is one, else the typed
// answer. A blank one, typed or given, is the default name. A given name is
// echoed as given, or as the name taken where that differs (blank, or cut to
// its first kFileNameLength characters).
std::string ask(const Question& q, std::span<const std::string> args, textio::Units& u) {
  if (q.argument < args.size()) {
    const std::string& given = args[q.argument];
    std::string name = padded(given);
    if (is_blank(name)) name = padded(std::string(q.default_name));
    const bool taken_as_given = static_cast<int>(given.size()) <= kFileNameLength && !is_blank(given);
    const std::string shown = taken_as_given ? given : file_name(name);
    textio::write(u.console, q.echo, {shown});
    return name;
  }
  textio::write(u.console, q.prompt);
  std::string name = textio::read_text(u.keyboard, kFileNameLength);
  if (is_blank(name)) name = padded(std::string(q.default_name));
  return name;
}

}  // namespace

std::string file_name(const std::string& padded_name) {
  const auto last = padded_name.find_last_not_of(' ');
  return padded_name.substr(0, last == std::string::npos ? 0 : last + 1);
}

void GETFNAMES(std::string& INFILE, std::string& OUTFILE, std::span<const std::string> args,
               textio::Units& u) {
  INFILE = ask({1, R"((1X, "NAME OF INPUT FILE : ", A))", R"((1X, "NAME OF INPUT FILE : ", \))",
                "VELDA.IN"},
               args, u);
  OUTFILE = ask({2, R"((1X, "NAME OF OUTPUT FILE : ", A))", R"((1X, "NAME OF OUTPUT FILE : ", \))",
                 "VELDA.OUT"},
                args, u);
  textio::write(u.console, R"((\))");
}

}  // namespace velda
