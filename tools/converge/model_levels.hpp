// The levels of a Gmsh .geo model: the model meshed anew by Gmsh at mesh
// size factors doubling from the finest level down, so each level follows
// the geometry's own curves and the estimate includes the error of
// approximating them by chords.
#pragma once

#include <string>
#include <vector>

#include "gmsh_import/gmsh_import.hpp"
#include "tools/converge/level_source.hpp"

namespace converge {

class ModelLevels : public LevelSource {
 public:
  // The finest level is the model meshed at `options.size_factor`, each
  // coarser one at twice the factor of the next. Throws Refused with the
  // import's message when a level cannot be made.
  ModelLevels(const std::string& path, const gmsh_import::Options& options, int levels);

  int count() const override { return static_cast<int>(levels_.size()); }
  Level level(int k) const override { return levels_[k]; }
  std::optional<int> own_level() const override { return std::nullopt; }
  std::string scope() const override;

 private:
  std::vector<Level> levels_;  // coarse to fine
};

}  // namespace converge
