#include "tools/mesh/points_file.hpp"

#include <cmath>
#include <fstream>
#include <sstream>

#include "gmsh_import/gmsh_import.hpp"

namespace mesh {

std::vector<lib::Point> read_points_file(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw gmsh_import::ImportError("cannot read the points file '" + path + "'");
  std::vector<lib::Point> points;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first[0] == '#') continue;
    words.str(line);
    words.clear();
    lib::Point p;
    std::string rest;
    if (!(words >> p.x >> p.y) || (words >> rest) || !std::isfinite(p.x) || !std::isfinite(p.y))
      throw gmsh_import::ImportError("line " + std::to_string(number) + " of the points file '" +
                                     path + "' is not two finite numbers x y");
    points.push_back(p);
  }
  if (file.bad()) throw gmsh_import::ImportError("cannot read the points file '" + path + "'");
  return points;
}

}  // namespace mesh
