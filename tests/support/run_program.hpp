// Running the built program as a process, in a folder of its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/process.hpp"

namespace test_support {

// A fresh, empty working folder, removed with the object.
class Folder {
 public:
  Folder();
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

  // Runs the program here with the arguments, `typed` as its console input,
  // killing it when it runs past a time limit.
  Outcome run(const std::vector<std::string>& args, const std::string& typed = {}) const;

 private:
  std::filesystem::path path_;
};

// A bundled file of the source tree, e.g. "examples/square.in", and its path.
std::string source_file(const std::string& relative);
std::string source_path(const std::string& relative);

}  // namespace test_support
