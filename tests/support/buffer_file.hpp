// A file of an in-memory file system: written straight into a buffer the
// file system owns, and kept as written.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include "textio/replacing_file.hpp"

namespace test_support {

class BufferFile : public textio::OutputFile {
 public:
  explicit BufferFile(std::streambuf& buffer) : out_(&buffer) {}
  std::ostream& stream() override { return out_; }
  bool keep(std::string&) override { return true; }

 private:
  std::ostream out_;
};

}  // namespace test_support
