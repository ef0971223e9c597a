// An output channel turns records into lines with carriage control.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace textio {

class OutputChannel {
 public:
  // unit is 0 for the console, whose name is ignored; otherwise name is the
  // file's.
  void connect(std::ostream& sink, int unit, const std::string& name);

  // Writes one record: its first character selects the spacing in front of
  // it and is not shown. An empty record counts as one blank.
  void record(std::string_view rec);

  // Writes text as a line of its own, after the pending line end if any, and
  // ends it: no line is pending afterwards.
  void line(std::string_view text);

  // Writes the pending line end, if any, and disconnects the channel.
  void close();

  // The channel as a failure report names it.
  const std::string& name() const { return name_; }

 private:
  void put(std::string_view bytes);

  std::ostream* sink_ = nullptr;
  int unit_ = 0;
  std::string name_;
  bool pending_ = false;
};

}  // namespace textio
