// The levels of the problem a command line names.
#pragma once

#include <memory>
#include <string>

#include "gmsh_import/gmsh_import.hpp"
#include "tools/converge/level_source.hpp"

namespace converge {

// The largest input read: an input at every capacity is well under 1 MB,
// so a larger file is not an input (or is a device that never ends).
inline constexpr std::size_t kMaxInputBytes = 64u << 20;

// `levels` levels of the problem in the file `path`: a Gmsh .geo model,
// meshed with `model` (its size factor that of the finest level), or a VELDA
// input. Throws Refused when the file cannot be read or its levels made.
std::unique_ptr<LevelSource> open_source(const std::string& path, int levels,
                                         const gmsh_import::Options& model);

}  // namespace converge
