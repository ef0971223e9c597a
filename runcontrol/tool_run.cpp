#include "runcontrol/tool_run.hpp"

#include <string>

#include "textio/printable.hpp"

namespace runcontrol {

void tell(std::ostream& err, std::string_view program, std::string_view what) {
  err << program << ": " << textio::printable(what) << '\n';
}

void tell_usage(std::ostream& err, std::string_view program, std::string_view usage,
                std::string_view wrong) {
  tell(err, program, wrong);
  err << "Usage: " << program << ' ' << usage << "; " << program << " --help tells more\n";
}

bool flushed(std::ostream& out, std::ostream& err, std::string_view program,
             std::string_view what) {
  out.flush();
  if (out) return true;
  tell(err, program, "the " + std::string(what) + " could not be written to standard output");
  return false;
}

}  // namespace runcontrol
