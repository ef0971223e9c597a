// Writing a file so that its name never shows a part of it: the old content
// or the whole new one, whether the run is killed, the disk fills up or
// another run writes the same name at the same time.
#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace runcontrol {

// A file being written, which takes the place of its name only when kept.
class OutputFile {
 public:
  virtual ~OutputFile() = default;  // not kept: the name stays as it was
  virtual std::ostream& stream() = 0;
  // Puts what was written in place under the name; false, with `why`, when
  // that fails, and the name then stays as it was.
  virtual bool keep(std::string& why) = 0;
};

// The file `name` on disk, opened for writing. A regular file, or a name not
// in use yet, is written to a temporary file in its folder that is renamed
// over the name when kept (a regular file's permissions carry over); a
// symbolic link has its target replaced and stays a link. Anything else
// (/dev/null, a FIFO, a terminal) is written directly, as it cannot be
// replaced. Null, with `why`, when the file cannot be written.
std::unique_ptr<OutputFile> replacing_file(const std::string& name, std::string& why);

}  // namespace runcontrol
