#include "plot/run.hpp"

#include <exception>
#include <filesystem>
#include <optional>
#include <vector>

#include "plot/checks.hpp"
#include "plot/picture.hpp"
#include "plot/plot_error.hpp"
#include "plot/problem.hpp"
#include "plot/report_reader.hpp"
#include "textio/files.hpp"
#include "textio/printable.hpp"

namespace plot {
namespace {

constexpr const char* kProgram = "velda-plot";

constexpr const char* kHelp = R"(Usage: velda-plot INPUT [REPORT] [-o PICTURE.svg]

Draws a VELDA problem, and its solution when a report is given, as one
self-contained SVG picture.

  INPUT      the input file of the problem, as VELDA reads it
  REPORT     the report VELDA wrote for that input (optional): boundary nodes
             and internal points are then coloured by potential, with a
             colour bar, and gradient arrows are drawn at internal points
  -o FILE    the picture to write (default: INPUT with the extension .svg)
  -h, --help this text

The picture shows each boundary with arrows along its direction of travel
and a short tick on the right of it, the side taken as outward (the region
lies on the left); nodes coloured by boundary-condition code, with group
numbers for negative codes; internal points; and, when the problem is
symmetric, the axes and the mirror images.

Warnings go to the console and into the picture when a closed boundary runs
against the region-on-the-left rule (an outer boundary clockwise, a hole
counter-clockwise), when elements cross, when a boundary does not close and
when an internal point lies outside the region.

Exit status: 0 when the picture is written (warnings or not), 1 when a file
cannot be read or written or the input is refused, 2 for a wrong command line.
)";

// By name, or by the file the names lead to.
bool same_file(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  return std::filesystem::path(a).lexically_normal() ==
             std::filesystem::path(b).lexically_normal() ||
         textio::DiskFiles().same_file(a, b);
}

void write_picture(const std::string& path, const std::string& svg) {
  std::string why;
  const auto file = textio::DiskFiles().create(path, why);
  if (!file) throw PlotError("cannot create the picture '" + path + "': " + why);
  file->stream() << svg;
  if (!file->keep(why)) throw PlotError("cannot write the picture '" + path + "': " + why);
}

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
  write_picture(request.picture, picture);
  out << kProgram << ": wrote " << textio::printable(request.picture) << '\n';
}

}  // namespace

std::variant<Request, HelpWanted, UsageError> parse_command_line(
    std::span<const std::string> args) {
  Request request;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") return HelpWanted{};
    if (arg == "-o") {
      if (i + 1 == args.size()) return UsageError{"-o needs the name of the picture"};
      request.picture = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError{"unknown option '" + arg + "'"};
    } else {
      names.push_back(arg);
    }
  }
  if (names.empty()) return UsageError{"the input file is missing"};
  if (names.size() > 2) return UsageError{"too many file names: '" + names[2] + "'"};
  request.input = names[0];
  if (names.size() == 2) request.report = names[1];
  if (request.picture.empty())
    request.picture = std::filesystem::path(request.input).replace_extension(".svg").string();
  if (same_file(request.picture, request.input) || same_file(request.picture, request.report))
    return UsageError{"the picture '" + request.picture + "' would overwrite an input"};
  return request;
}

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto command = parse_command_line(args);
  if (std::holds_alternative<HelpWanted>(command)) {
    out << kHelp;
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
