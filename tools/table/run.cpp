#include "tools/table/run.hpp"

#include <optional>
#include <vector>

#include "textio/csv.hpp"
#include "textio/printable.hpp"
#include "tools/table/rows.hpp"

namespace table {
namespace {

constexpr const char* kProgram = "velda-table";

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

struct Request {
  Mode mode = Mode::reports;
  std::vector<std::string> reports;
};

// The request, or an empty one after saying what is wrong with the command
// line.
std::optional<Request> parse(std::span<const std::string> args, std::ostream& err) {
  Request request;
  bool mode_given = false, options_end = false;
  for (const std::string& arg : args) {
    if (options_end || arg.empty() || arg[0] != '-') {
      request.reports.push_back(arg);
    } else if (arg == "--") {
      options_end = true;
    } else if (arg != "--nodes" && arg != "--internal") {
      err << kProgram << ": unknown option " << textio::printable(arg) << '\n';
      return std::nullopt;
    } else if (mode_given) {
      err << kProgram << ": give at most one of --nodes and --internal\n";
      return std::nullopt;
    } else {
      request.mode = arg == "--nodes" ? Mode::nodes : Mode::internal;
      mode_given = true;
    }
  }
  if (request.reports.empty()) err << kProgram << ": no report named\n";
  if (request.reports.empty()) return std::nullopt;
  return request;
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && args[0] == "--help") {
    out << kHelp;
    return kExitAllComplete;
  }
  const auto request = parse(args, err);
  if (!request) {
    err << "Usage: " << kProgram << " [--nodes | --internal] REPORT...; " << kProgram
        << " --help tells more\n";
    return kExitUsage;
  }
  std::vector<Entry> entries;
  for (const std::string& name : request->reports) entries.push_back(read_entry(name));
  for (const auto& row : rows_of(request->mode, entries)) textio::write_record(out, row);
  out.flush();
  if (!out) {
    err << kProgram << ": the table could not be written to standard output\n";
    return kExitNotAllComplete;
  }
  int status = kExitAllComplete;
  for (const Entry& e : entries) {
    if (e.status == "complete") continue;
    err << kProgram << ": " << textio::printable(e.name) << ": " << e.status << ": "
        << textio::printable(e.note) << '\n';
    status = kExitNotAllComplete;
  }
  return status;
}

}  // namespace table
