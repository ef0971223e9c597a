// Free-form reading of integers and reals, and formatted reading of text.
#pragma once

#include <string>

#include "textio/input_channel.hpp"

namespace textio {

// One free-form read statement. It starts on the next line of the channel;
// each target takes the next value, going on to further lines as needed
// (blank lines are skipped). Values are separated by blanks, tabs, or a comma
// with or without blanks around it. What is left of the last line used is
// skipped: the next statement starts on the following line.
//
//   FreeFormRead(unit5) >> KBC(I) >> POTB(I);
//
// A value that is not a number of the target's kind, or the end of the input
// before every target has a value, ends the run with a failure report.
class FreeFormRead {
 public:
  explicit FreeFormRead(InputChannel& in);

  FreeFormRead& operator>>(int& target);
  FreeFormRead& operator>>(double& target);

 private:
  std::string_view next_value(const char* kind);

  InputChannel& in_;
  std::string_view rest_;  // what is left of the current line
  bool first_value_ = true;
};

// Reads the next line as text into a variable of `length` characters: a
// shorter line is padded with blanks, the rest of a longer one is dropped.
std::string read_text(InputChannel& in, int length);

}  // namespace textio
