#include "plot/command_line.hpp"

#include <filesystem>
#include <vector>

namespace plot {
namespace {

bool same_file(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  if (a.empty() || b.empty()) return false;
  std::error_code unknown;
  return fs::path(a).lexically_normal() == fs::path(b).lexically_normal() ||
         fs::equivalent(a, b, unknown);
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
  if (request.picture.empty()) request.picture = default_picture_name(request.input);
  if (same_file(request.picture, request.input) || same_file(request.picture, request.report))
    return UsageError{"the picture '" + request.picture + "' would overwrite an input"};
  return request;
}

std::string default_picture_name(const std::string& input) {
  return std::filesystem::path(input).replace_extension(".svg").string();
}

std::string help_text() {
  return R"(Usage: velda-plot INPUT [REPORT] [-o PICTURE.svg]

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
}

}  // namespace plot
