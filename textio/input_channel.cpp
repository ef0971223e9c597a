#include "textio/input_channel.hpp"

#include <cerrno>
#include <string>

#include "runcontrol/failure.hpp"
#include "textio/read_line.hpp"

namespace textio {

void InputChannel::connect(std::istream& source, int unit, const std::string& name) {
  source_ = &source;
  name_ = runcontrol::channel_name(unit, name);
  line_.clear();
  line_number_ = 0;
  reread_ = false;
}

std::string_view InputChannel::next_line() {
  if (reread_) {
    reread_ = false;
    return line_;
  }
  errno = 0;
  switch (read_line(*source_, line_)) {
    case LineRead::kLine:
      break;
    case LineRead::kEnd:
      throw runcontrol::Failure(runcontrol::Statement::READ, name_,
                                "end of file after line " + std::to_string(line_number_) +
                                    ", before every value of the record was read");
    case LineRead::kTooLong:
      throw runcontrol::Failure(runcontrol::Statement::READ, name_,
                                "line " + std::to_string(line_number_ + 1) + " is longer than " +
                                    std::to_string(kMaxLineLength) + " characters");
    case LineRead::kError:
      throw runcontrol::Failure(runcontrol::Statement::READ, name_,
                                runcontrol::with_system_reason("the file could not be read"));
  }
  if (!line_.empty() && line_.back() == '\r') line_.pop_back();
  ++line_number_;
  return line_;
}

}  // namespace textio
