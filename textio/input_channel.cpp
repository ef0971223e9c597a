#include "textio/input_channel.hpp"

#include <string>

#include "textio/failure.hpp"

namespace textio {

void InputChannel::connect(std::istream& source, int unit, const std::string& name) {
  source_ = &source;
  name_ = channel_name(unit, name);
  line_.clear();
  line_number_ = 0;
  reread_ = false;
}

std::string_view InputChannel::next_line() {
  if (reread_) {
    reread_ = false;
    return line_;
  }
  if (!std::getline(*source_, line_)) {
    if (source_->bad()) throw Failure(Statement::READ, name_, "the file could not be read");
    throw Failure(Statement::READ, name_,
                  "end of file after line " + std::to_string(line_number_) +
                      ", before every value of the record was read");
  }
  if (!line_.empty() && line_.back() == '\r') line_.pop_back();
  ++line_number_;
  return line_;
}

}  // namespace textio
