// An input channel hands out lines, one at a time, and can step back one line.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace textio {

class InputChannel {
 public:
  // unit is 0 for the console, whose name is ignored; otherwise name is the
  // file's.
  void connect(std::istream& source, int unit, const std::string& name);
  void close() { source_ = nullptr; }

  // The next line without its line end (LF, or CR LF). At the end of the
  // input, on a line longer than kMaxLineLength or on a read error the run
  // ends with a failure report.
  std::string_view next_line();

  // Makes the next call of next_line() return the line last read again.
  void backspace() { reread_ = true; }

  // The channel as a failure report names it.
  const std::string& name() const { return name_; }
  int line_number() const { return line_number_; }

 private:
  std::istream* source_ = nullptr;
  std::string name_;
  std::string line_;
  int line_number_ = 0;
  bool reread_ = false;
};

}  // namespace textio
