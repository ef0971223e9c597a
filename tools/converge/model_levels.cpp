#include "tools/converge/model_levels.hpp"

#include <cmath>

#include "textio/printable.hpp"
#include "tools/converge/polygon_input.hpp"
#include "tools/converge/refused.hpp"

namespace converge {

// The finest level is made first, so that a model over the capacity is
// refused with the import's advice of a size factor, which is then the
// finest level's.
ModelLevels::ModelLevels(const std::string& path, const gmsh_import::Options& options, int levels) {
  for (int k = levels - 1; k >= 0; --k) {
    gmsh_import::Options at = options;
    at.size_factor = std::ldexp(options.size_factor, levels - 1 - k);
    try {
      std::string text = gmsh_import::input_from_model(path, at);
      // Gmsh places whole elements on each curve, so a level's mesh size is
      // what it made, not the factor asked for.
      const PolygonInput polygon = read_polygon_input(text, path);
      levels_.insert(levels_.begin(), {std::move(text), polygon.perimeter() / polygon.elements()});
    } catch (const gmsh_import::ImportError& e) {
      const std::string coarser = k == levels - 1 ? "" : "level " + std::to_string(k + 1) + ": ";
      throw Refused(coarser + textio::printable(e.what()));
    }
  }
}

std::string ModelLevels::scope() const {
  return "For a Gmsh model, each level is the model meshed anew at a mesh size factor twice "
         "the next finer one's, so the estimate includes the error of approximating the "
         "geometry's curves by chords.";
}

}  // namespace converge
