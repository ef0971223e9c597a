// A whole run of the program in memory, as "velda IN OUT": the input file,
// the report file and the console are strings.
#pragma once

#include <string>

#include "runcontrol/memory_files.hpp"

namespace test_support {

struct MemoryRun {
  int status = -1;
  std::string console;  // standard output
  std::string error;    // standard error
  std::string report;   // the file OUT after the run
};

// The run on `input` as the file IN, in `files` if given.
MemoryRun run_in_memory(const std::string& input, runcontrol::MemoryFiles* files = nullptr);

}  // namespace test_support
