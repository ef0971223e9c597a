// Files held in memory, for whole runs without a disk: velda-converge solves
// its levels on them, and the tests and the fuzzer run the program on them.
// velda itself never uses them.
#pragma once

#include <map>
#include <sstream>
#include <streambuf>
#include <string>

#include "runcontrol/files.hpp"

namespace runcontrol {

// A file written straight into a buffer that another object owns, and kept
// as written.
class BufferFile : public OutputFile {
 public:
  explicit BufferFile(std::streambuf& buffer) : out_(&buffer) {}
  std::ostream& stream() override { return out_; }
  bool keep(std::string&) override { return true; }

 private:
  std::ostream out_;
};

class MemoryFiles : public FileSystem {
 public:
  // Makes `name` an existing file holding `bytes`.
  void add(const std::string& name, const std::string& bytes);
  // The bytes of the file `name`; empty if there is none.
  std::string contents(const std::string& name) const;

  std::unique_ptr<std::istream> open_existing(const std::string& name, std::string& why) override;
  std::unique_ptr<OutputFile> create(const std::string& name, std::string& why) override;

 private:
  std::map<std::string, std::stringbuf> files_;
};

}  // namespace runcontrol
