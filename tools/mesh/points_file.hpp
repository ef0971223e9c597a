// The extra internal points of --points: one "x y" pair to a line.
#pragma once

#include <string>
#include <vector>

#include "lib/point.hpp"

namespace mesh {

// The points of the file at path; blank lines and lines that begin with #
// are skipped. Throws gmsh_import::ImportError naming the line at fault.
std::vector<lib::Point> read_points_file(const std::string& path);

}  // namespace mesh
