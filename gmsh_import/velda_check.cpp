#include "gmsh_import/velda_check.hpp"

#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "runcontrol/failure.hpp"
#include "textio/units.hpp"

namespace gmsh_import {

std::string velda_refusal(const std::string& text) {
  // The whole state of a run, about 21 MB: far too large for the stack.
  const auto v = std::make_unique<velda::Velda>();
  std::istringstream input(text);
  std::ostringstream echo, console;
  textio::Units u;
  u.input.connect(input, velda::kInputUnit, "input");
  u.report.connect(echo, velda::kReportUnit, "echo");
  u.console.connect(console, 0, {});
  try {
    velda::INPUMPC(*v, u);
  } catch (const runcontrol::Stop& refused) {
    return refused.reason.empty() ? refused.message : refused.reason;
  } catch (const runcontrol::Failure& failure) {
    return failure.reason();
  }
  return {};
}

// One element from (0, 0) to (1, 0) carrying the record, so that nothing
// but the record can be refused; the record must be whole on its own line,
// as the written input gives it one line.
std::string record_refusal(const std::string& record) {
  return velda_refusal(" RECORD\n0 0 1 0 1 2\n0 0 1 0\n" + record + "\n");
}

}  // namespace gmsh_import
