#include "plot/run.hpp"

#include <exception>
#include <optional>
#include <variant>

#include "plot/command_line.hpp"
#include "plot/examine.hpp"
#include "plot/file_io.hpp"
#include "plot/picture.hpp"
#include "plot/plot_error.hpp"
#include "plot/problem.hpp"
#include "plot/report_reader.hpp"
#include "textio/printable.hpp"

namespace plot {
namespace {

constexpr const char* kProgram = "velda-plot";

void draw(const Request& request, std::ostream& out, std::ostream& err) {
  // 1. The problem, read and shaped into elements as a run would.
  const Problem problem = read_problem(request.input);
  // 2. The results, when a report is given, checked to be this problem's.
  std::optional<Results> results;
  if (!request.report.empty()) {
    results = read_report(request.report);
    check_report_matches(problem, *results, request.input, request.report);
  }
  // 3. The checks: orientation, crossings, internal points outside.
  const Examination examination = examine(problem);
  // 4. The picture; a problem that cannot be drawn stops here, before any
  // warning is said.
  const std::string picture = draw_picture(problem, examination, results ? &*results : nullptr,
                                           request.input, request.report);
  for (const Warning& w : examination.warnings)
    err << kProgram << ": warning: " << textio::printable(w.text) << '\n';
  write_file(request.picture, picture);
  out << kProgram << ": wrote " << textio::printable(request.picture) << '\n';
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto command = parse_command_line(args);
  if (std::holds_alternative<HelpWanted>(command)) {
    out << help_text();
    return kExitDrawn;
  }
  if (const auto* usage = std::get_if<UsageError>(&command)) {
    err << kProgram << ": " << textio::printable(usage->message) << "\nUsage: " << kProgram
        << " INPUT [REPORT] [-o PICTURE.svg]; " << kProgram << " --help tells more\n";
    return kExitUsage;
  }
  try {
    draw(std::get<Request>(command), out, err);
    return kExitDrawn;
  } catch (const PlotError& e) {
    err << kProgram << ": " << textio::printable(e.what()) << '\n';
  } catch (const std::exception& e) {
    err << kProgram << ": the picture could not be drawn: " << textio::printable(e.what()) << '\n';
  }
  return kExitRefused;
}

}  // namespace plot
