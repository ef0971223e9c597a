// The whole import: the model read and meshed by Gmsh, its groups read,
// its elements joined into boundaries, the capacities checked, the text
// written and then read back by velda's own input step. Every refusal comes
// before the text exists.
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "gmsh_import/capacity.hpp"
#include "gmsh_import/chains.hpp"
#include "gmsh_import/gmsh_import.hpp"
#include "gmsh_import/groups.hpp"
#include "gmsh_import/input_text.hpp"
#include "gmsh_import/model.hpp"
#include "gmsh_import/velda_check.hpp"

namespace gmsh_import {
namespace {

Meshing meshing_at(const Options& options, double size_factor) {
  return {size_factor, options.numbers, options.verbose};
}

std::string short_number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

// Where the input came from, after its last record.
std::string note_of(const std::string& path, const Model& model, const Options& options) {
  std::string note =
      "Notes (nothing after the last record is read):\nWritten by velda-mesh from the Gmsh model "
      "'" +
      path + "'\nwith Gmsh " + model.gmsh_version + ", ";
  note += model.meshed_here ? "mesh size factor " + short_number(options.size_factor)
                            : std::string("the mesh as the file holds it");
  std::string parameters;
  for (const auto& [name, value] : options.numbers)
    parameters += (parameters.empty() ? "" : ", ") + name + " = " + real17(value);
  note += parameters.empty() ? ".\n" : ",\nparameters " + parameters + ".\n";
  return note;
}

void check_options(const Options& options) {
  if (!(std::isfinite(options.size_factor) && options.size_factor > 0.0))
    throw ImportError("the size factor must be a positive number");
  for (const auto& [name, value] : options.numbers) {
    const bool identifier =
        !name.empty() &&
        name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789") ==
            std::string::npos &&
        !std::isdigit(static_cast<unsigned char>(name[0]));
    if (!identifier) throw ImportError("'" + name + "' is not a name a Gmsh script can use");
    if (!std::isfinite(value))
      throw ImportError("the value of " + name + " must be a finite number");
  }
  if (options.title.find_first_of("\r\n") != std::string::npos)
    throw ImportError("the title must be one line");
}

std::string make_input(const std::string& model_path, const Options& options) {
  check_options(options);
  const Model model = read_model(model_path, meshing_at(options, options.size_factor));
  const Groups groups = read_groups(model, options);
  const ElementsAt elements_at = [&](double factor) {
    return static_cast<int>(
        read_groups(read_model(model_path, meshing_at(options, factor)), options).edges.size());
  };
  check_elements(static_cast<int>(groups.edges.size()), options.size_factor,
                 model.meshed_here ? &elements_at : nullptr);
  if (groups.edges.empty())
    throw ImportError("the model has no boundary: give its curves conditions with physical curves");
  const std::vector<Boundary> found = boundaries(model, groups, options);
  check_boundaries_and_points(static_cast<int>(found.size()),
                              static_cast<int>(groups.internal.size()));
  const std::string title = options.title.empty() ? model.name : options.title;
  const std::string text = input_text(title, groups, found, note_of(model_path, model, options));
  const std::string refused = velda_refusal(text);
  if (!refused.empty())
    throw ImportError("velda would refuse the input made from the model: " + refused);
  return text;
}

}  // namespace

// The steps below look nodes up by tag; a mesh file whose elements name a
// node it does not hold is refused here rather than by a lookup's
// exception.
std::string input_from_model(const std::string& model_path, const Options& options) {
  try {
    return make_input(model_path, options);
  } catch (const std::out_of_range&) {
    throw ImportError("the mesh of the model '" + model_path +
                      "' has elements on nodes it does not hold");
  }
}

}  // namespace gmsh_import
