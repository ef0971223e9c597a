#include "tools/converge/open_source.hpp"

#include <fstream>

#include "textio/printable.hpp"
#include "tools/converge/input_levels.hpp"
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

std::unique_ptr<LevelSource> open_source(const std::string& path, int levels) {
  return std::make_unique<InputLevels>(read_input(path), path, levels);
}

}  // namespace converge
