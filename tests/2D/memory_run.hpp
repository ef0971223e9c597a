// A whole run of the program in memory, as "velda IN OUT": the input file,
// the report file and the console are strings.
#pragma once

#include <string>

namespace velda_test {

struct MemoryRun {
  int status = -1;
  std::string console;  // standard output
  std::string error;    // standard error
  std::string report;   // the file OUT after the run
};

MemoryRun run_in_memory(const std::string& input);

}  // namespace velda_test
