#include "textio/read_line.hpp"

namespace textio {

LineRead read_line(std::istream& in, std::string& line) {
  line.clear();
  char c = 0;
  while (in.get(c)) {
    if (c == '\n') return LineRead::kLine;
    if (line.size() == kMaxLineLength) return LineRead::kTooLong;
    line.push_back(c);
  }
  if (in.bad()) return LineRead::kError;
  return line.empty() ? LineRead::kEnd : LineRead::kLine;
}

}  // namespace textio
