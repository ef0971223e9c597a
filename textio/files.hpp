// Connecting the input and report files to their units.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "textio/units.hpp"

namespace textio {

// Where the files of a run come from: the disk, or memory in tests.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // An existing file opened for reading, or null with `why` it cannot be.
  virtual std::unique_ptr<std::istream> open_existing(const std::string& name, std::string& why) = 0;
  // A file created, or an existing one emptied, for writing; or null with `why`.
  virtual std::unique_ptr<std::ostream> create(const std::string& name, std::string& why) = 0;
};

class DiskFiles : public FileSystem {
 public:
  std::unique_ptr<std::istream> open_existing(const std::string& name, std::string& why) override;
  std::unique_ptr<std::ostream> create(const std::string& name, std::string& why) override;
};

// Open the input file (it must exist) or the report file (created or
// rewritten from its start) on the given unit; a file that cannot be opened
// ends the run with a failure report. The units keep the open streams.
void open_input(Units& units, FileSystem& files, int unit, const std::string& name);
void open_report(Units& units, FileSystem& files, int unit, const std::string& name);

}  // namespace textio
