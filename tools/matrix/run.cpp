#include "tools/matrix/run.hpp"

#include <string>
#include <variant>

#include "report/format.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/tool_run.hpp"
#include "textio/layout.hpp"
#include "tools/matrix/capacitance.hpp"
#include "tools/matrix/problem.hpp"
#include "tools/matrix/write.hpp"

namespace matrix {
namespace {

constexpr const char* kProgram = "velda-matrix";
constexpr const char* kUsage = "INPUT [--csv]";

constexpr const char* kHelp =
    R"(Usage: velda-matrix INPUT [--csv]

Reads the VELDA input file INPUT as velda does, assembles its system once and
solves it once with one right-hand side per currents group, and writes the
Maxwell capacitance (or conductance) matrix of the groups and its mutual form
to standard output, per unit length and unit permittivity (or conductivity).

Column j is the flux of every group with the nodes of group j at potential 1
and every other prescribed potential, derivative and source potential at 0
(impedances and interfaces kept). Symmetric mirror images (flag 1) are part
of their groups and the values are the whole device's; an antisymmetric image
(flag -1) is refused. In a region that reaches to infinity the charges are
taken to sum to zero and only differences of potential count.

  --csv   the Maxwell matrix alone as comma-separated values (RFC 4180): a
          header row "group" and the group numbers, then a row per group

Notes and the solver's warnings go to standard error.

Exit status: 0 the matrix written; 1 no matrix (the input refused, or a
failure report); 2 a wrong command line.
)";

constexpr runcontrol::ToolText kText{kProgram, kUsage, kHelp};

struct Request {
  std::string input;
  bool csv = false;
};

// The request, or what is wrong with the command line.
std::variant<Request, std::string> parse(std::span<const std::string> args) {
  Request request;
  bool named = false, options_end = false;
  for (const std::string& arg : args) {
    if (!options_end && arg == "--") {
      options_end = true;
    } else if (!options_end && arg == "--csv") {
      request.csv = true;
    } else if (!options_end && !arg.empty() && arg[0] == '-') {
      return "unknown option " + arg;
    } else if (named) {
      return "give one input file";
    } else {
      request.input = arg;
      named = true;
    }
  }
  if (!named) return "no input file named";
  return request;
}

// The notes that go with the matrix: groups left out and the solver's
// small-pivot status, the latter as velda's report line has it.
void write_notes(std::ostream& err, const Capacitance& c) {
  for (const int k : c.empty_groups)
    runcontrol::tell(err, kProgram, "group " + std::to_string(k) + " has no nodes and is left out");
  if (c.IER != 0) {
    const textio::Value status[] = {c.IER};
    err << textio::format_records(report::kPivotWarning, status).front().substr(1) << '\n';
  }
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err,
        runcontrol::FileSystem& files, bool progress) {
  auto command = runcontrol::read_command_line<Request>(args, out, err, kText, parse);
  if (const int* status = std::get_if<int>(&command)) return *status;
  const Request& request = std::get<Request>(command);
  try {
    const Capacitance c = capacitance(files, request.input, progress ? &err : nullptr);
    write_notes(err, c);
    request.csv ? write_csv(out, c) : write_table(out, c);
  } catch (const Refusal& refusal) {
    runcontrol::tell(err, kProgram, request.input + ": " + refusal.what());
    return kExitNoMatrix;
  } catch (const runcontrol::Failure& failure) {
    err << failure.report();
    return kExitNoMatrix;
  } catch (...) {
    // Outside the steps, memory running out or a fault of the tool: a
    // failure report too, never an abort.
    err << runcontrol::internal_error().report();
    return kExitNoMatrix;
  }
  return runcontrol::flushed(out, err, kProgram, "matrix") ? kExitWritten : kExitNoMatrix;
}

}  // namespace matrix
