// One run of the program: one input file solved, one report written.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "2D/VELDA.hpp"
#include "runcontrol/files.hpp"

namespace velda {

// The solver's relative pivot tolerance: a pivot below this times the mean
// magnitude of AMAT is noted in the report.
inline constexpr double kPivotTolerance = 1.0E-5;

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& error;
};

// Runs every step once, in order, on the zero-filled state v, with the
// command line args (the program's name first). Returns the exit status: 0
// after a stop, 1 after a failure report.
int run(Velda& v, std::span<const std::string> args, const Console& console,
        runcontrol::FileSystem& files);

}  // namespace velda
