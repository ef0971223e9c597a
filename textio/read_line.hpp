// Reading one line of text with a bound on its length, so that no input, not
// even an endless one such as /dev/zero, makes a run hold more than that.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace textio {

// Far longer than any line of an input file or report: 1 MiB.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

enum class LineRead {
  kLine,     // a line, ended by LF or by the end of the input
  kEnd,      // the input had ended before the line began
  kTooLong,  // more than kMaxLineLength bytes before the LF
  kError,    // the source could not be read (the stream is bad)
};

// Reads the next line into `line`, without its LF.
LineRead read_line(std::istream& in, std::string& line);

}  // namespace textio
