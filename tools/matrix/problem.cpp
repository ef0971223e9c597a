#include "tools/matrix/problem.hpp"

#include <new>
#include <sstream>

#include "2D/step.hpp"
#include "runcontrol/failure.hpp"
#include "textio/fields.hpp"
#include "textio/units.hpp"

namespace matrix {
namespace {

// The data echo is read back for the title: its second record.
std::string title_of(const std::string& echo) {
  const auto start = echo.find('\n') + 1;
  const auto end = echo.find_first_of("\r\n", start);
  return std::string(textio::trimmed(std::string_view(echo).substr(start, end - start)));
}

}  // namespace

Problem read_problem(runcontrol::FileSystem& files, const std::string& name) {
  Problem p;
  p.state.reset(new (std::nothrow) velda::Velda());
  if (!p.state)
    throw runcontrol::Failure(runcontrol::Statement::ALLOCATE, "problem state",
                              "there is not enough memory for the problem state");
  textio::Units u;
  std::ostringstream echo, console;
  u.report.connect(echo, velda::kReportUnit, "echo");
  u.console.connect(console, 0, {});
  runcontrol::open_input(u, files, velda::kInputUnit, name);
  try {
    velda::step("INPUMPC", [&] { velda::INPUMPC(*p.state, u); });
  } catch (const runcontrol::Stop& refused) {
    throw Refusal("the input file is refused: " + refused.reason);
  }
  velda::step("GEOM", [&] { velda::GEOM(*p.state); });
  u.report.close();
  p.title = title_of(echo.str());
  return p;
}

}  // namespace matrix
