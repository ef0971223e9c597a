#include "tools/plot/run.hpp"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <vector>

#include "geometry/checks.hpp"
#include "report/report.hpp"
#include "report/report_error.hpp"
#include "runcontrol/files.hpp"
#include "runcontrol/tool_run.hpp"
#include "textio/printable.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/picture.hpp"
#include "tools/plot/plot_error.hpp"
#include "tools/plot/problem.hpp"
#include "tools/plot/vtk_export.hpp"

namespace plot {
namespace {

constexpr const char* kProgram = "velda-plot";

constexpr const char* kUsage =
    "INPUT [REPORT] [-o PICTURE.svg] [--grid N] [--no-field] [--vtk FILE.vtm]";

constexpr const char* kHelp =
    R"(Usage: velda-plot INPUT [REPORT] [-o PICTURE.svg] [--grid N] [--no-field]
                  [--vtk FILE.vtm]

Draws a VELDA problem, and its solution when a report is given, as one
self-contained SVG picture.

  INPUT      the input file of the problem, as VELDA reads it
  REPORT     the report VELDA wrote for that input (optional): the region is
             then filled with the potential, computed from the boundary
             solution the report lists as VELDA computes internal points,
             in bands between round values with equipotential lines and
             gradient arrows; boundary nodes and internal points are
             coloured by potential, with a colour bar
  -o FILE    the picture to write (default: INPUT with the extension .svg)
  --grid N   points of the field along the longer side of the drawing,
             @RANGE@
  --no-field no field: colour only the nodes and internal points, with
             gradient arrows at the internal points
  --vtk FILE.vtm
             with a report, also write the problem and its solution for
             ParaView: the collection FILE.vtm of VTK XML files in the
             folder FILE beside it: the boundary elements as line cells with
             potential, normal derivative, code and group; the mirror
             images as a block of their own; the internal points with
             potential and gradient; the field grid as image data with
             potential and gradient, the points outside the region blanked
  -h, --help this text

The picture shows each boundary with arrows along its direction of travel
and a short tick on the right of it, the side taken as outward (the region
lies on the left); nodes coloured by boundary-condition code, with group
numbers for negative codes; internal points; and, when the problem is
symmetric, the axes and the mirror images. The field runs up to the
boundary, clipped to its exact outline: beside an element the boundary sum
is as good as far from it. Gradient arrows keep half an element's length
clear of the boundary, where the gradient is poor. Inside a loop of interface elements (code 3) it shows
the potential of the medium there.

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
         runcontrol::DiskFiles().same_file(a, b);
}

// A whole decimal number in the allowed range.
bool grid_points(const std::string& text, int& points) {
  if (text.empty() || text.size() > 4 ||
      !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
    return false;
  points = std::stoi(text);
  return kMinGridPoints <= points && points <= kMaxGridPoints;
}

void write_picture(const std::string& path, const std::string& svg) {
  std::string why;
  const auto file = runcontrol::DiskFiles().create(path, why);
  if (!file) throw PlotError("cannot create the picture '" + path + "': " + why);
  file->stream() << svg;
  if (!file->keep(why)) throw PlotError("cannot write the picture '" + path + "': " + why);
}

// The results of a report that is complete: the results of a run that did
// not finish are not drawn.
Results whole_results(const std::string& path) {
  report::Report read = report::read(path);
  if (read.status != report::Status::complete)
    throw PlotError("the report '" + path + "' holds no whole results: " +
                    (read.status == report::Status::refused ? "the input was refused: " : "") +
                    read.note);
  return std::move(read.results);
}

void draw(const Request& request, std::ostream& out, std::ostream& err) {
  // 1. The problem, read and shaped into elements as a run would.
  const Problem problem = read_problem(request.input);
  // 2. The results, when a report is given, checked to be this problem's.
  std::optional<Results> results;
  if (!request.report.empty()) {
    results = whole_results(request.report);
    check_report_matches(problem, *results, request.input, request.report);
  }
  // 3. The checks: orientation, crossings, internal points outside.
  const geometry::Examination examination = geometry::examine(problem);
  // 4. The potential over the region, from the results.
  std::optional<FieldGrid> field;
  if (results && request.field)
    field = compute_field(problem, examination.chains, *results, request.grid);
  // 5. The picture; a problem that cannot be drawn stops here, before any
  // warning is said.
  const std::string picture =
      draw_picture(problem, examination, results ? &*results : nullptr, field ? &*field : nullptr,
                   request.input, request.report);
  for (const geometry::Warning& w : examination.warnings)
    runcontrol::tell(err, kProgram, "warning: " + w.text);
  write_picture(request.picture, picture);
  out << kProgram << ": wrote " << textio::printable(request.picture) << '\n';
  if (!request.vtk.empty()) {
    write_vtk(request.vtk, problem, *results, field ? &*field : nullptr);
    out << kProgram << ": wrote " << textio::printable(request.vtk) << '\n';
  }
}

}  // namespace

std::variant<Request, HelpWanted, UsageError> parse_command_line(
    std::span<const std::string> args) {
  Request request;
  request.grid = kDefaultGridPoints;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") return HelpWanted{};
    if (arg == "-o") {
      if (i + 1 == args.size()) return UsageError{"-o needs the name of the picture"};
      request.picture = args[++i];
    } else if (arg == "--vtk") {
      if (i + 1 == args.size() || std::filesystem::path(args[i + 1]).extension() != ".vtm")
        return UsageError{"--vtk needs the name of a collection ending in .vtm"};
      request.vtk = args[++i];
    } else if (arg == "--no-field") {
      request.field = false;
    } else if (arg == "--grid") {
      if (i + 1 == args.size() || !grid_points(args[i + 1], request.grid))
        return UsageError{"--grid needs a number of points from " + std::to_string(kMinGridPoints) +
                          " to " + std::to_string(kMaxGridPoints)};
      ++i;
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
  if (!request.vtk.empty() && request.report.empty())
    return UsageError{"--vtk needs the report of the run"};
  if (same_file(request.vtk, request.input) || same_file(request.vtk, request.report) ||
      same_file(request.vtk, request.picture))
    return UsageError{"the collection '" + request.vtk + "' would overwrite another file"};
  return request;
}

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto command = parse_command_line(args);
  if (std::holds_alternative<HelpWanted>(command)) {
    std::string help = kHelp;
    help.replace(help.find("@RANGE@"), 7,
                 std::to_string(kMinGridPoints) + " to " + std::to_string(kMaxGridPoints) +
                     " (default " + std::to_string(kDefaultGridPoints) + ")");
    out << help;
    return kExitDrawn;
  }
  if (const auto* usage = std::get_if<UsageError>(&command)) {
    runcontrol::tell_usage(err, kProgram, kUsage, usage->message);
    return kExitUsage;
  }
  try {
    draw(std::get<Request>(command), out, err);
    return kExitDrawn;
  } catch (const PlotError& e) {
    runcontrol::tell(err, kProgram, e.what());
  } catch (const report::ReportError& e) {
    runcontrol::tell(err, kProgram, e.what());
  } catch (const std::exception& e) {
    runcontrol::tell(err, kProgram, std::string("the picture could not be drawn: ") + e.what());
  }
  return kExitRefused;
}

}  // namespace plot
