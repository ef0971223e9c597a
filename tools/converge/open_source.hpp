// The levels of the problem a command line names.
#pragma once

#include <memory>
#include <string>

#include "tools/converge/level_source.hpp"

namespace converge {

// The largest input read: an input at every capacity is well under 1 MB,
// so a larger file is not an input (or is a device that never ends).
inline constexpr std::size_t kMaxInputBytes = 64u << 20;

// `levels` levels of the problem in the file `path`, a VELDA input. Throws
// Refused when the file cannot be read or its levels made.
std::unique_ptr<LevelSource> open_source(const std::string& path, int levels);

}  // namespace converge
