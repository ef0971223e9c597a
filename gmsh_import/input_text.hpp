// The text of a VELDA input: title, counts, boundary points, node records
// and internal points, then a note of where it came from.
#pragma once

#include <string>
#include <vector>

#include "gmsh_import/chains.hpp"
#include "gmsh_import/groups.hpp"

namespace gmsh_import {

// `note` is written after the last record, where nothing is read.
std::string input_text(const std::string& title, const Groups& groups,
                       const std::vector<Boundary>& boundaries, const std::string& note);

// A real with 17 significant digits, which read back gives the same double;
// -0 is written as 0.
std::string real17(double value);

}  // namespace gmsh_import
