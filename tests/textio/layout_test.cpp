#include "textio/layout.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using textio::Value;

std::vector<std::string> records(std::string_view layout, std::vector<Value> values) {
  return textio::format_records(layout, values);
}

TEST(Layout, WritesTextsSkipsAndRepeatedTexts) {
  EXPECT_EQ(records(R"((1X, "VELDA"))", {}), std::vector<std::string>{" VELDA"});
  EXPECT_EQ(records(R"((" ", 3("*"), 2X, "A"))", {}), std::vector<std::string>{" ***  A"});
}

TEST(Layout, TrailingSkipWritesNothing) {
  EXPECT_EQ(records(R"((I2, 5X))", {Value(7)}), std::vector<std::string>{" 7"});
}

TEST(Layout, SlashesStartRecordsAndAFinalSlashLeavesAnEmptyOne) {
  EXPECT_EQ(records(R"((/, /, " DATA"))", {}), (std::vector<std::string>{"", "", " DATA"}));
  EXPECT_EQ(records(R"((/, " CURRENTS", /))", {}), (std::vector<std::string>{"", " CURRENTS", ""}));
}

TEST(Layout, StopsAtTheFirstValueItemWithoutAValue) {
  EXPECT_EQ(records(R"((5(I4, ",")))", {Value(1), Value(2), Value(3)}),
            std::vector<std::string>{"   1,   2,   3,"});
  // The fifth 2X writes nothing, since nothing follows it.
  EXPECT_EQ(records(R"((I5, 5(2X, E14.5)))", {Value(1), Value(1.0), Value(2.0), Value(3.0), Value(4.0)}),
            std::vector<std::string>{"    1     1.00000E+00     2.00000E+00     3.00000E+00     4.00000E+00"});
  // The texts after the last value are written up to the next value item.
  EXPECT_EQ(records(R"((" FLUX", I4, " :", E12.5, " END"))", {Value(2)}),
            std::vector<std::string>{" FLUX   2 :"});
}

TEST(Layout, ReusesTheLastOutermostGroupForTheValuesLeft) {
  std::vector<Value> last_nodes;
  for (int v : {5, 9, 12, 20, 25, 31, 40}) last_nodes.emplace_back(v);
  last_nodes.insert(last_nodes.begin(), Value(7));
  EXPECT_EQ(records(R"((/, 2X, "NUMBER OF DIFFERENT BOUNDARIES =", I4, /, 2X, "LAST NODE OF EACH BOUNDARY =", 5(I4, ",")))",
                    last_nodes),
            (std::vector<std::string>{"", "  NUMBER OF DIFFERENT BOUNDARIES =   7",
                                      "  LAST NODE OF EACH BOUNDARY =   5,   9,  12,  20,  25,",
                                      "  31,  40,"}));
}

TEST(Layout, ReusesTheWholeLayoutWithoutAGroup) {
  EXPECT_EQ(records(R"((1X, I3))", {Value(1), Value(2)}), (std::vector<std::string>{"   1", "   2"}));
}

TEST(Layout, ContinuationRecordStartsWithTheGroupsFirstField) {
  std::vector<Value> values;
  for (int v = 1000; v <= 1006; ++v) values.emplace_back(v);
  EXPECT_EQ(records(R"((2X, "L =", 5(I4, ",")))", values),
            (std::vector<std::string>{"  L =1000,1001,1002,1003,1004,", "1005,1006,"}));
}

TEST(Layout, WritesTextValuesWholeWithTheirTrailingBlanks) {
  EXPECT_EQ(records(R"((A))", {Value(std::string_view("EXAMPLE  "))}),
            std::vector<std::string>{"EXAMPLE  "});
}

TEST(Layout, RejectsMalformedLayouts) {
  EXPECT_THROW(records("(1X, \"open", {}), std::logic_error);
  EXPECT_THROW(records("(Q4)", {}), std::logic_error);
  EXPECT_THROW(records("(1X, \"no value items\")", {Value(1)}), std::logic_error);
}

TEST(Layout, WriteSendsEveryRecordThroughTheChannel) {
  std::ostringstream sink;
  textio::OutputChannel channel;
  channel.connect(sink, 6, "REPORT");
  textio::write(channel, R"((/, /, 1X, "DATA", /, /, 2X, "NUMBER =", I4))", {Value(4)});
  channel.close();
  EXPECT_EQ(sink.str(), "\r\n\r\nDATA\r\n\r\n NUMBER =   4\r\n");
}

}  // namespace
