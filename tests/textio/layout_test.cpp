#include "textio/layout.hpp"

#include <gtest/gtest.h>

namespace {

using textio::Value;
using Records = std::vector<std::string>;

TEST(Layout, WritesTheRecordsOfEachLayout) {
  const struct {
    const char* layout;
    std::vector<Value> values;
    Records records;
  } cases[] = {
      {R"((1X, "VELDA"))", {}, {" VELDA"}},
      {R"((" ", 3("*"), 2X, "A"))", {}, {" ***  A"}},
      {R"((I2, 5X))", {7}, {" 7"}},  // a trailing skip writes nothing
      {R"((A))", {std::string_view("EXAMPLE  ")}, {"EXAMPLE  "}},
      // Slashes start records; a final slash leaves an empty one.
      {R"((/, /, " DATA"))", {}, {"", "", " DATA"}},
      {R"((/, " CURRENTS", /))", {}, {"", " CURRENTS", ""}},
      // Output stops at the first value item without a value, however deep
      // in groups; the texts before it are written, and a 2X with nothing
      // after it is not.
      {R"((5(I4, ",")))", {1, 2, 3}, {"   1,   2,   3,"}},
      {R"((I5, 5(2X, E14.5)))",
       {1, 1.0, 2.0, 3.0, 4.0},
       {"    1     1.00000E+00     2.00000E+00     3.00000E+00     4.00000E+00"}},
      {R"((" FLUX", I4, " :", E12.5, " END"))", {2}, {" FLUX   2 :"}},
      {R"((2(2(I2), "|"), " END"))", {1, 2, 3}, {" 1 2| 3"}},
      // Values left over reuse the last outermost group, or the whole layout
      // without one; a continuation record may start with a four-digit value.
      {R"((/, 2X, "NUMBER OF DIFFERENT BOUNDARIES =", I4, /, 2X, "LAST NODE OF EACH BOUNDARY =", 5(I4, ",")))",
       {7, 5, 9, 12, 20, 25, 31, 40},
       {"", "  NUMBER OF DIFFERENT BOUNDARIES =   7",
        "  LAST NODE OF EACH BOUNDARY =   5,   9,  12,  20,  25,", "  31,  40,"}},
      {R"((1X, I3))", {1, 2}, {"   1", "   2"}},
      {R"((2X, "L =", 5(I4, ",")))",
       {1000, 1001, 1002, 1003, 1004, 1005, 1006},
       {"  L =1000,1001,1002,1003,1004,", "1005,1006,"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(textio::format_records(c.layout, c.values), c.records) << c.layout;
}

TEST(Layout, RejectsMalformedLayouts) {
  for (const char* layout : {"(1X, \"open", "(Q4)"})
    EXPECT_THROW(textio::format_records(layout, {}), std::logic_error) << layout;
  const Value one[] = {1};
  EXPECT_THROW(textio::format_records("(1X, \"no value items\")", one), std::logic_error);
}

}  // namespace
