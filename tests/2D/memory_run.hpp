// A whole run of the program in memory: the input file, the report file and
// the console are strings.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace velda_test {

struct MemoryRun {
  int status = -1;
  std::string console;  // standard output
  std::string error;    // standard error
  std::map<std::string, std::string> files;  // every file after the run, by name
  const std::string& report() const { return files.at("OUT"); }
};

// Runs the program on `input` as the file IN, with args (the program's name
// first; by default "velda IN OUT") and `typed` as the console input.
MemoryRun run_in_memory(const std::string& input,
                        const std::vector<std::string>& args = {"velda", "IN", "OUT"},
                        const std::string& typed = {},
                        std::map<std::string, std::string> files = {});

}  // namespace velda_test
