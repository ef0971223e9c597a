#include "tools/converge/open_source.hpp"

#include <filesystem>
#include <fstream>

#include "textio/printable.hpp"
#include "tools/converge/input_levels.hpp"
#include "tools/converge/model_levels.hpp"
#include "tools/converge/refused.hpp"

namespace converge {
namespace {

std::string read_input(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw Refused("cannot open the input file " + textio::printable(path));
  std::string text;
  char buffer[1 << 16];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    text.append(buffer, file.gcount());
    if (text.size() > kMaxInputBytes)
      throw Refused("the input file " + textio::printable(path) + " is larger than " +
                    std::to_string(kMaxInputBytes >> 20) + " MiB: not a VELDA input");
  }
  if (file.bad()) throw Refused("cannot read the input file " + textio::printable(path));
  return text;
}

}  // namespace

std::unique_ptr<LevelSource> open_source(const std::string& path, int levels,
                                         const gmsh_import::Options& model) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension == ".geo") return std::make_unique<ModelLevels>(path, model, levels);
  // A mesh file holds one mesh: there is no size to halve.
  if (extension == ".msh")
    throw Refused("the mesh file " + textio::printable(path) +
                  " has one mesh size only: give the .geo model it was meshed from, which "
                  "is meshed anew at each level");
  return std::make_unique<InputLevels>(read_input(path), path, levels);
}

}  // namespace converge
