// The lines of a report, taken one at a time from its text. No line is
// copied or listed, so that reading a file of many short lines takes no more
// memory than its bytes; a Lines is a place in the text, cheap to copy for
// looking ahead.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace report {

struct Line {
  std::string_view text;  // without its line end
  bool whole = false;     // ended by a line end: LF, or CR LF as the program writes
};

class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}

  // The next line, or nothing at the end of the text.
  std::optional<Line> peek() const;
  void advance();
  bool at_end() const { return at_ >= text_.size(); }
  // The 1-based number of the next line, as messages name it.
  std::size_t number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t number_ = 1;
};

}  // namespace report
