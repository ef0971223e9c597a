// Connecting the input and report files to their units.
#pragma once

#include <istream>
#include <memory>
#include <string>

#include "runcontrol/replacing_file.hpp"
#include "textio/units.hpp"

namespace runcontrol {

// Where the files of a run come from: the disk, or memory in tests.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // An existing file opened for reading, or null with `why` it cannot be.
  virtual std::unique_ptr<std::istream> open_existing(const std::string& name,
                                                      std::string& why) = 0;
  // A file to be written, that replaces any file of that name when kept;
  // or null with `why`.
  virtual std::unique_ptr<OutputFile> create(const std::string& name, std::string& why) = 0;
  // Whether two names lead to one and the same file.
  virtual bool same_file(const std::string& a, const std::string& b) { return a == b; }
};

class DiskFiles : public FileSystem {
 public:
  std::unique_ptr<std::istream> open_existing(const std::string& name, std::string& why) override;
  std::unique_ptr<OutputFile> create(const std::string& name, std::string& why) override;
  // By device and inode, so by any path, link or /dev/fd alias.
  bool same_file(const std::string& a, const std::string& b) override;
};

// Open the input file (it must exist) on the given unit; a file that cannot
// be opened ends the run with a failure report.
void open_input(textio::Units& units, FileSystem& files, int unit, const std::string& name);

// Open the report file on the given unit, to replace any file of its name
// when the run ends (end_with_stop, end_with_failure). A report that would be
// the input file, or that cannot be opened, ends the run with a failure
// report and leaves the file as it was.
void open_report(textio::Units& units, FileSystem& files, int unit, const std::string& name,
                 const std::string& input_name);

}  // namespace runcontrol
