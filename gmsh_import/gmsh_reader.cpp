// The one file that speaks Gmsh's API: it reads a model into the types of
// model.hpp. Gmsh keeps one global state, reports errors by throwing a
// std::string (4.8) or by logging them, and prints to the terminal unless
// told not to; all three are handled here.
#include <gmsh.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "gmsh_import/gmsh_import.hpp"
#include "gmsh_import/model.hpp"

// Gmsh's script parser keeps a copy of names it reads and never frees it
// (libgmsh 4.8, a few bytes a script): the checked build's leak checker is
// told so, and still sees every leak of ours.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libgmsh.so\n"; }
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
extern "C" const char* __lsan_default_suppressions() { return "leak:libgmsh.so\n"; }
#endif
#endif

namespace gmsh_import {
namespace {

constexpr int kTwoNodeLine = 1;  // Gmsh's element type of a straight 2-node line

std::mutex gmsh_state;  // Gmsh's global state: one model at a time

// Verbosity levels of Gmsh: silent, and its default.
constexpr int kSilent = 0;
constexpr int kGmshVerbosity = 5;

// One use of Gmsh, from initialisation to finalisation.
class Session {
 public:
  explicit Session(bool verbose) {
    std::vector<std::string> words{"velda-mesh"};
    if (!verbose) words.insert(words.end(), {"-v", "0"});
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    gmsh::initialize(static_cast<int>(argv.size()), argv.data(), false);
    gmsh::option::setNumber("General.Terminal", verbose ? 1 : 0);
    gmsh::option::setNumber("General.Verbosity", verbose ? kGmshVerbosity : kSilent);
    gmsh::logger::start();
  }
  ~Session() {
    gmsh::logger::stop();
    gmsh::finalize();
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Gmsh logs some errors without throwing: the last one, if any.
  static void check(const std::string& doing) {
    std::string error;
    gmsh::logger::getLastError(error);
    if (!error.empty()) throw ImportError("Gmsh could not " + doing + ": " + error);
  }
};

// A script that gives the parameters and then includes the model, removed
// with the object. Gmsh's own -setnumber would do the same, but it keeps its
// numbers for the rest of the process, so that the next model would see
// them; a script's variables end with its model. Like -setnumber, a
// variable set here is taken by the model's DefineConstant.
class ParameterScript {
 public:
  ParameterScript(const std::string& model,
                  const std::vector<std::pair<std::string, double>>& numbers) {
    const std::string included = std::filesystem::absolute(model).string();
    if (included.find_first_of("\"\\\r\n") != std::string::npos)
      throw ImportError("the model's path '" + model +
                        "' has a quote, a backslash or a line end, which a Gmsh script cannot "
                        "include: rename it to give it parameters");
    std::string text;
    for (const auto& [name, value] : numbers) {
      char number[32];
      std::snprintf(number, sizeof number, "%.17g", value);
      text += name + " = " + number + ";\n";
    }
    text += "Include \"" + included + "\";\n";
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velda-mesh-XXXXXX.geo").string();
    const int fd = mkstemps(pattern.data(), 4);
    if (fd < 0) throw ImportError("cannot write the script that gives the model its parameters");
    path_ = pattern;
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    if (!written) throw ImportError("cannot write the script that gives the model its parameters");
  }
  ~ParameterScript() { std::filesystem::remove(path_); }
  ParameterScript(const ParameterScript&) = delete;
  ParameterScript& operator=(const ParameterScript&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::vector<Group> physical_groups() {
  gmsh::vectorpair dim_tags;
  gmsh::model::getPhysicalGroups(dim_tags);
  std::vector<Group> groups;
  for (const auto& [dim, tag] : dim_tags) {
    if (dim > 1) continue;
    Group g{dim, tag, {}, {}};
    gmsh::model::getPhysicalName(dim, tag, g.name);
    gmsh::model::getEntitiesForPhysicalGroup(dim, tag, g.entities);
    std::sort(g.entities.begin(), g.entities.end());
    groups.push_back(std::move(g));
  }
  std::sort(groups.begin(), groups.end(), [](const Group& p, const Group& q) {
    return std::pair(p.dim, p.tag) < std::pair(q.dim, q.tag);
  });
  return groups;
}

Curve curve_of(int tag) {
  Curve curve{tag, {}, {}};
  std::vector<int> types;
  std::vector<std::vector<std::size_t>> elements, nodes;
  gmsh::model::mesh::getElements(types, elements, nodes, 1, tag);
  for (std::size_t t = 0; t < types.size(); ++t) {
    if (types[t] != kTwoNodeLine) {
      std::string name;
      int dim = 0, order = 0, count = 0, primary = 0;
      std::vector<double> local;
      gmsh::model::mesh::getElementProperties(types[t], name, dim, order, count, local, primary);
      curve.other_elements = name;
      continue;
    }
    for (std::size_t e = 0; e + 1 < nodes[t].size(); e += 2)
      curve.segments.push_back({nodes[t][e], nodes[t][e + 1]});
  }
  return curve;
}

std::vector<NodeTag> nodes_of_point(int tag) {
  std::vector<std::size_t> tags;
  std::vector<double> coords, parametric;
  gmsh::model::mesh::getNodes(tags, coords, parametric, 0, tag, false, false);
  return tags;
}

Model extract(const std::string& path, bool meshed_here) {
  Model model;
  model.meshed_here = meshed_here;
  model.name = std::filesystem::path(path).stem().string();
  gmsh::option::getString("General.Version", model.gmsh_version);
  model.groups = physical_groups();
  gmsh::vectorpair entities;
  gmsh::model::getEntities(entities, 1);
  for (const auto& [dim, tag] : entities) {
    Curve curve = curve_of(tag);
    if (!curve.segments.empty() || !curve.other_elements.empty()) model.curves.push_back(curve);
  }
  std::sort(model.curves.begin(), model.curves.end(),
            [](const Curve& p, const Curve& q) { return p.tag < q.tag; });
  gmsh::model::getEntities(entities, 0);
  for (const auto& [dim, tag] : entities) model.point_nodes[tag] = nodes_of_point(tag);
  std::vector<std::size_t> tags;
  std::vector<double> xyz, parametric;
  gmsh::model::mesh::getNodes(tags, xyz, parametric, -1, -1, false, false);
  for (std::size_t i = 0; i < tags.size(); ++i) model.nodes[tags[i]] = {xyz[3 * i], xyz[3 * i + 1]};
  return model;
}

bool is_mesh_file(const std::string& path) {
  return path.size() >= 4 && path.compare(path.size() - 4, 4, ".msh") == 0;
}

}  // namespace

Model read_model(const std::string& path, const Meshing& meshing) {
  if (!std::ifstream(path)) throw ImportError("cannot read the model '" + path + "'");
  const std::lock_guard<std::mutex> one_at_a_time(gmsh_state);
  try {
    const bool script = !is_mesh_file(path);
    if (!script && (!meshing.numbers.empty() || meshing.size_factor != 1.0))
      throw ImportError("the mesh file '" + path +
                        "' is taken as it is, with no parameters and no size factor: give them "
                        "to the script it was meshed from");
    std::optional<ParameterScript> parameters;
    if (!meshing.numbers.empty()) parameters.emplace(path, meshing.numbers);
    Session session(meshing.verbose);
    gmsh::open(parameters ? parameters->path() : path);
    Session::check("read the model '" + path + "'");
    if (script) {
      gmsh::option::setNumber("Mesh.MeshSizeFactor", meshing.size_factor);
      gmsh::model::mesh::generate(1);
      Session::check("mesh the model '" + path + "'");
    }
    return extract(path, script);
  } catch (const std::string& gmsh_error) {
    throw ImportError("Gmsh refused the model '" + path + "': " + gmsh_error);
  } catch (const ImportError&) {
    throw;
  } catch (const std::exception& e) {
    throw ImportError("Gmsh failed on the model '" + path + "': " + e.what());
  }
}

}  // namespace gmsh_import
