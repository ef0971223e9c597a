#include "tools/table/run.hpp"

#include <string>
#include <variant>
#include <vector>

#include "runcontrol/tool_run.hpp"
#include "textio/csv.hpp"
#include "tools/table/rows.hpp"

namespace table {
namespace {

constexpr const char* kProgram = "velda-table";
constexpr const char* kUsage = "[--nodes | --internal] REPORT...";

constexpr const char* kHelp =
    R"(Usage: velda-table [--nodes | --internal] REPORT...

Writes the results of VELDA reports as comma-separated values (RFC 4180) to
standard output, every number exactly as the report prints it.

  (default)   one row per report: report, title, status, message, elements,
              internal_points, boundaries, flux1, flux2, ... (one column per
              currents group)
  --nodes     one row per boundary node: report, node, x, y, s, potential,
              derivative
  --internal  one row per internal point: report, point, x, y, potential,
              gradient_x, gradient_y

The status of a report is complete; refused (the message says why) when the
run stopped on input it refused; incomplete when the report stops before the
end of its results; missing when there is no such file; unreadable when it is
not a report as VELDA writes it (the message names the line and says why).
Each report that is not complete is named on standard error after the rows.
The table is UTF-8: bytes that are not, and control characters, are written
as \xNN.

Exit status: 0 every report complete; 1 not every report complete;
2 a wrong command line.
)";

constexpr runcontrol::ToolText kText{kProgram, kUsage, kHelp};

struct Request {
  Mode mode = Mode::reports;
  std::vector<std::string> reports;
};

// The request, or what is wrong with the command line.
std::variant<Request, std::string> parse(std::span<const std::string> args) {
  Request request;
  bool mode_given = false, options_end = false;
  for (const std::string& arg : args) {
    if (options_end || arg.empty() || arg[0] != '-') {
      request.reports.push_back(arg);
    } else if (arg == "--") {
      options_end = true;
    } else if (arg != "--nodes" && arg != "--internal") {
      return "unknown option " + arg;
    } else if (mode_given) {
      return "give at most one of --nodes and --internal";
    } else {
      request.mode = arg == "--nodes" ? Mode::nodes : Mode::internal;
      mode_given = true;
    }
  }
  if (request.reports.empty()) return "no report named";
  return request;
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  auto command = runcontrol::read_command_line<Request>(args, out, err, kText, parse);
  if (const int* status = std::get_if<int>(&command)) return *status;
  const Request& request = std::get<Request>(command);
  std::vector<Entry> entries;
  for (const std::string& name : request.reports) entries.push_back(read_entry(name));
  for (const auto& row : rows_of(request.mode, entries)) textio::write_record(out, row);
  if (!runcontrol::flushed(out, err, kProgram, "table")) return kExitNotAllComplete;
  int status = kExitAllComplete;
  for (const Entry& e : entries) {
    if (e.status == "complete") continue;
    runcontrol::tell(err, kProgram, e.name + ": " + e.status + ": " + e.note);
    status = kExitNotAllComplete;
  }
  return status;
}

}  // namespace table
