// The file-name dialogue.
#pragma once

#include <span>
#include <string>

#include "textio/units.hpp"

namespace velda {

inline constexpr int kFileNameLength = 64;

// Fills INFILE and OUTFILE (kFileNameLength characters, blank-padded) from
// the command line args (the program's name first) or, where it gives none,
// from an answer typed on the console; a blank name takes "VELDA.IN" or
// "VELDA.OUT". A name (without its trailing blanks) longer than
// kFileNameLength, or holding a NUL byte, ends the run with a failure report.
void GETFNAMES(std::string& INFILE, std::string& OUTFILE, std::span<const std::string> args,
               textio::Units& u);

// A name without its trailing blanks.
std::string file_name(const std::string& padded);

}  // namespace velda
