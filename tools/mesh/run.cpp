#include "tools/mesh/run.hpp"

#include <filesystem>
#include <variant>
#include <vector>

#include "gmsh_import/gmsh_import.hpp"
#include "gmsh_import/option_values.hpp"
#include "runcontrol/files.hpp"
#include "runcontrol/tool_run.hpp"
#include "tools/mesh/points_file.hpp"

namespace mesh {
namespace {

constexpr const char* kProgram = "velda-mesh";
constexpr const char* kUsage =
    "MODEL [-o INPUT] [--bc NAME=RECORD]... [--size-factor F] "
    "[--set NAME=VALUE]... [--points FILE] [--title TEXT] "
    "[--exterior] [--open-as-drawn] [--verbose]";

constexpr const char* kHelp =
    R"(Usage: velda-mesh MODEL [-o INPUT] [options]

Writes the VELDA input of a Gmsh model: a .geo script, which Gmsh meshes in
one dimension, or a .msh mesh file (formats 2.2 and 4.1, ASCII or binary).

  -o INPUT            the input file to write, replaced whole (default:
                      standard output); never the model
  --bc NAME=RECORD    the physical curves named NAME carry the node record
                      RECORD, e.g. --bc 'anode=0 1.5'
  --size-factor F     Gmsh's mesh size factor (Mesh.MeshSizeFactor), default 1,
                      in place of any the script sets; not for a mesh file
  --set NAME=VALUE    the number NAME of the script, as Gmsh's -setnumber
                      sets it (the script gives it with DefineConstant)
  --points FILE       more internal points, one "x y" pair to a line
  --title TEXT        the title (default: the model's name)
  --exterior          the region is the unbounded outside of the outermost
                      closed boundaries, not their inside
  --open-as-drawn     write a chain with a free end (an open plate) in the
                      direction it was drawn, instead of refusing it
  --verbose           Gmsh's own messages on standard error
  -h, --help          this text

The model names its parts with physical groups:
  - every curve is in exactly one physical curve; the curve's name is its
    node record as the input file writes it ('0 1.5', '-2 1.0', '1 0',
    '2 1.0 0.05', '3 4.0') or a name that --bc maps to one;
  - a physical curve named symmetry or antisymmetry on x = 0 or y = 0 sets
    the symmetry flag of that axis to 1 or -1 and carries no elements;
  - the points of physical points named internal are internal points.
Elements join into boundaries at shared nodes. The region lies inside the
outermost closed boundaries (outside, with --exterior), outside those within
them, and so on by turns; every boundary is written with the region on its
left, a code-3 interface so with its medium on the right. A boundary that
ends on symmetry lines at both ends is open; one that ends elsewhere is
refused unless --open-as-drawn.

Exit status: 0 the input written; 1 the model refused (the message names the
group and what to do) or a file not read or written; 2 a wrong command line.
)";

constexpr runcontrol::ToolText kText{kProgram, kUsage, kHelp};

struct Request {
  std::string model, output;
  gmsh_import::Options options;
  std::string points_file;
};

bool same_file(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  return std::filesystem::path(a).lexically_normal() ==
             std::filesystem::path(b).lexically_normal() ||
         runcontrol::DiskFiles().same_file(a, b);
}

// The option at args[i] with its value, or a message saying what is wrong.
std::string take(std::span<const std::string> args, std::size_t& i, Request& r) {
  const std::string& option = args[i];
  if (option == "--exterior") return r.options.exterior = true, "";
  if (option == "--open-as-drawn") return r.options.open_as_drawn = true, "";
  if (option == "--verbose") return r.options.verbose = true, "";
  if (i + 1 == args.size()) return option + " needs a value";
  const std::string& value = args[++i];
  if (option == "-o") return r.output = value, "";
  if (option == "--points") return r.points_file = value, "";
  if (option == "--title") return r.options.title = value, "";
  if (option == "--size-factor")
    return gmsh_import::parse_number(value, r.options.size_factor) && r.options.size_factor > 0.0
               ? ""
               : "--size-factor needs a positive number";
  if (gmsh_import::is_model_option(option))
    return gmsh_import::add_model_option(option, value, r.options);
  return "unknown option '" + option + "'";
}

std::variant<Request, std::string> parse(std::span<const std::string> args) {
  Request r;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].size() > 1 && args[i][0] == '-') {
      const std::string wrong = take(args, i, r);
      if (!wrong.empty()) return wrong;
    } else {
      names.push_back(args[i]);
    }
  }
  if (names.empty()) return std::string("the model is missing");
  if (names.size() > 1) return "too many models: '" + names[1] + "'";
  r.model = names[0];
  if (same_file(r.output, r.model) || same_file(r.output, r.points_file))
    return "the input '" + r.output + "' would overwrite the model or the points file";
  return r;
}

void write_input(const std::string& path, const std::string& text) {
  std::string why;
  const auto file = runcontrol::DiskFiles().create(path, why);
  if (!file) throw gmsh_import::ImportError("cannot create the input '" + path + "': " + why);
  file->stream() << text;
  if (!file->keep(why))
    throw gmsh_import::ImportError("cannot write the input '" + path + "': " + why);
}

void make(Request& r, std::ostream& out) {
  if (!r.points_file.empty()) r.options.extra_points = read_points_file(r.points_file);
  const std::string text = gmsh_import::input_from_model(r.model, r.options);
  if (r.output.empty()) {
    out << text;
    out.flush();
    if (!out) throw gmsh_import::ImportError("the input could not be written to standard output");
  } else {
    write_input(r.output, text);
  }
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  auto command = runcontrol::read_command_line<Request>(args, out, err, kText, parse);
  if (const int* status = std::get_if<int>(&command)) return *status;
  try {
    make(std::get<Request>(command), out);
    return kExitWritten;
  } catch (const gmsh_import::ImportError& e) {
    runcontrol::tell(err, kProgram, e.what());
  } catch (const std::exception& e) {
    runcontrol::tell(err, kProgram, std::string("the input could not be made: ") + e.what());
  }
  return kExitRefused;
}

}  // namespace mesh
