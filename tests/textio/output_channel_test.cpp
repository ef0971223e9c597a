#include "textio/output_channel.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The bytes a channel writes for `second` after `first` (when not null) and
// then its close.
std::string bytes_of(const char* first, std::string_view second) {
  std::ostringstream sink;
  textio::OutputChannel channel;
  channel.connect(sink, 6, "REPORT");
  if (first != nullptr) channel.record(first);
  channel.record(second);
  channel.close();
  return sink.str();
}

TEST(CarriageControl, SpacesEachRecordByItsFirstCharacter) {
  const struct {
    const char* first;
    std::string_view second;
    std::string bytes;
  } cases[] = {
      {nullptr, " A", "A\r\n"},
      {" A", " B", "A\r\nB\r\n"},
      {" A", "xB", "A\r\nB\r\n"},
      {nullptr, "0A", "\r\nA\r\n"},
      {" A", "0B", "A\r\n\r\nB\r\n"},
      {nullptr, "1A", std::string("\r\n\f\r \rA\r\n")},
      {" A", "1B", std::string("A\r\n\f\r \rB\r\n")},
      {nullptr, "+A", "\rA\r\n"},
      {" A", "+B", "A\rB\r\n"},
      {" A", "", "A\r\n\r\n"},
      {" A", " ", "A\r\n\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(bytes_of(c.first, c.second), c.bytes)
        << (c.first ? c.first : "(none)") << " / " << c.second;
}

}  // namespace
