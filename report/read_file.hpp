// A whole file read into memory within bounds, for the tools that read the
// program's files: no file, not even an endless one, is held beyond them.
#pragma once

#include <cstddef>
#include <string>

namespace report {

// Far more than the input or the report of a problem at full capacity.
inline constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

// The bytes of the file at path, as they are. `role` names it in the message
// of the ReportError thrown when it cannot be read ("input file", "report"),
// or has a line longer than textio::kMaxLineLength or more than
// kMaxFileSize bytes.
std::string read_file(const std::string& path, const std::string& role);

}  // namespace report
