#include "tools/converge/run.hpp"

#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "gmsh_import/option_values.hpp"
#include "runcontrol/tool_run.hpp"
#include "textio/printable.hpp"
#include "tools/converge/keep.hpp"
#include "tools/converge/open_source.hpp"
#include "tools/converge/refused.hpp"
#include "tools/converge/solve_level.hpp"
#include "tools/converge/study.hpp"
#include "tools/converge/table.hpp"

namespace converge {
namespace {

constexpr const char* kProgram = "velda-converge";
constexpr const char* kUsage =
    "INPUT [--levels K] [--csv] [--keep DIR] [--size-factor F] [--set NAME=VALUE]... "
    "[--bc NAME=RECORD]...";

constexpr const char* kHelp =
    R"(Usage: velda-converge INPUT [--levels K] [--csv] [--keep DIR] [model options]

Solves the problem of a VELDA input or of a Gmsh .geo model on several
levels, coarse to fine, and estimates from them how far each result is from
the exact one: every currents group's flux and every internal point's
potential and gradient.

The levels of an input are its own boundary and the same boundary with every
element split into 2, 4, ... equal elements with the same records, as far as
the capacity of 1600 elements allows; where it does not, neighbouring
elements with the same record on a straight line are merged (at least half
of them), so that the input's own boundary is the finest level. The estimate covers the method's
error on this polygon, not the polygon's distance from a curve it stands for.
Each level is a whole run of VELDA.

The levels of a Gmsh .geo model are the model meshed by Gmsh anew at mesh
size factors doubling from the finest level (the factor of --size-factor,
default 1) to the coarsest, each written as velda-mesh writes it; the
estimate then includes the error of approximating the geometry's curves by
chords. A .msh mesh file has one mesh only and is refused: give the .geo
model it was meshed from.

  --levels K  the number of levels, 3 to 8 (default 3)
  --csv       the table as comma-separated values (RFC 4180), every number
              in full: a header row, the rows elements and h of the levels,
              then one row per quantity
  --keep DIR  keep each level's input and report as DIR/levelK.in and
              DIR/levelK.out (DIR is made if it does not exist)
  -h, --help  this text

Model options, for a .geo model only, as velda-mesh takes them:
  --size-factor F     the mesh size factor of the finest level (default 1)
  --set NAME=VALUE    the number NAME of the script, as Gmsh's -setnumber
  --bc NAME=RECORD    the physical curves named NAME carry the node record

For each quantity the table shows its value at every level, the order p
observed from the last three levels, the value extrapolated with that order
(Richardson), and the estimated error (value minus extrapolated) of the
finest level and of the input's own level (a model has none). A quantity
whose differences are at rounding level or change sign, or whose order lies
outside 0.5 to 4, is not yet in its asymptotic range: it is flagged and not
extrapolated.

Exit status: 0 when the table is written (flags or not), 1 when the input is
refused or a level cannot be solved or kept, 2 for a wrong command line.
)";

constexpr runcontrol::ToolText kText{kProgram, kUsage, kHelp};

struct Request {
  std::string input;
  int levels = kDefaultLevels;
  bool csv = false;
  std::optional<std::string> keep;
  gmsh_import::Options model;
  bool model_options = false;  // any of them given
};

// A whole decimal number in the allowed range.
bool level_count(const std::string& text, int& levels) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return false;
  levels = text[0] - '0';
  return kMinLevels <= levels && levels <= kMaxLevels;
}

// The request, or what is wrong with the command line.
std::variant<Request, std::string> parse(std::span<const std::string> args) {
  Request request;
  std::vector<std::string> inputs;
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (options_end || arg.empty() || arg[0] != '-') {
      inputs.push_back(arg);
    } else if (arg == "--") {
      options_end = true;
    } else if (arg == "--csv") {
      request.csv = true;
    } else if (arg == "--levels" && has_value) {
      if (!level_count(args[++i], request.levels))
        return "--levels takes a whole number from " + std::to_string(kMinLevels) + " to " +
               std::to_string(kMaxLevels) + ", not " + args[i];
    } else if (arg == "--keep" && has_value) {
      request.keep = args[++i];
    } else if (arg == "--size-factor" && has_value) {
      request.model_options = true;
      double& factor = request.model.size_factor;
      if (!gmsh_import::parse_number(args[++i], factor) || !(factor > 0.0))
        return "--size-factor takes a positive number, not " + args[i];
    } else if (gmsh_import::is_model_option(arg) && has_value) {
      request.model_options = true;
      const std::string wrong = gmsh_import::add_model_option(arg, args[++i], request.model);
      if (!wrong.empty()) return wrong;
    } else {
      const bool takes_value = arg == "--levels" || arg == "--keep" || arg == "--size-factor" ||
                               gmsh_import::is_model_option(arg);
      return (takes_value ? "no value for " : "unknown option ") + arg;
    }
  }
  if (inputs.size() != 1) return inputs.empty() ? "no input named" : "give one input only";
  request.input = inputs.front();
  if (request.model_options && std::filesystem::path(request.input).extension() != ".geo")
    return "--size-factor, --set and --bc are for a Gmsh .geo model";
  return request;
}

Study solve_all(const Request& request, std::ostream& err, bool progress) {
  const auto source = open_source(request.input, request.levels, request.model);
  if (request.keep) make_folder(*request.keep);
  std::vector<Solution> solutions;
  std::vector<double> h;
  const int n = source->count();
  for (int k = 0; k < n; ++k) {
    const Level level = source->level(k);
    if (progress) err << kProgram << ": solving level " << k + 1 << " of " << n << '\n';
    solutions.push_back(solve_level(level.input, k + 1));
    if (request.keep) keep_level(*request.keep, k + 1, level.input, solutions.back().report);
    h.push_back(level.h);
  }
  Study study = make_study(solutions, h, source->own_level());
  study.scope = source->scope();
  return study;
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err, bool progress) {
  auto command = runcontrol::read_command_line<Request>(args, out, err, kText, parse);
  if (const int* status = std::get_if<int>(&command)) return *status;
  const Request& request = std::get<Request>(command);
  try {
    const Study study = solve_all(request, err, progress);
    if (request.csv)
      write_csv(out, study);
    else
      write_table(out, study, textio::printable(request.input));
  } catch (const Refused& refused) {
    runcontrol::tell(err, kProgram, refused.what());
    return kExitRefused;
  } catch (const std::bad_alloc&) {
    runcontrol::tell(err, kProgram, "there is not enough memory for the levels");
    return kExitRefused;
  } catch (const std::exception& e) {
    runcontrol::tell(err, kProgram, std::string("the levels could not be solved: ") + e.what());
    return kExitRefused;
  }
  return runcontrol::flushed(out, err, kProgram, "table") ? kExitDone : kExitRefused;
}

}  // namespace converge
