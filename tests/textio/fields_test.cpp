#include "textio/fields.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct RealCase {
  double value;
  const char* e14_5;
  const char* e12_5;
};

// The rendering table of the real field, and the cases around it where
// digit-by-digit rounding differs from rounding half to even.
TEST(RealField, RendersEveryRowOfTheTable) {
  const RealCase cases[] = {
      {1234.5, "   1.23450E+03", " 1.23450E+03"},
      {-1234.5, "  -1.23450E+03", "-1.23450E+03"},
      {-0.001, "  -1.00000E-03", "-1.00000E-03"},
      {0.0, "   0.00000E+00", " 0.00000E+00"},
      {-0.0, "   0.00000E+00", " 0.00000E+00"},
      {0.5, "   5.00000E-01", " 5.00000E-01"},
      {9.999996, "   1.00000E+01", " 1.00000E+01"},
      {123456.789, "   1.23457E+05", " 1.23457E+05"},
      {1234565, "   1.23457E+06", " 1.23457E+06"},
      {1.0E+100, "   1.00000+100", " 1.00000+100"},
      {-2.5E-120, "  -2.50000-120", "-2.50000-120"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(textio::real_field(c.value, 14, 5), c.e14_5) << c.value;
    EXPECT_EQ(textio::real_field(c.value, 12, 5), c.e12_5) << c.value;
  }
}

TEST(RealField, RoundsTiesAwayFromZeroOnTheDecimalDigits) {
  // 0.125 is exact: a tie at the fourth digit, which printf would round to even.
  EXPECT_EQ(textio::real_field(0.125, 10, 1), "   1.3E-01");
  EXPECT_EQ(textio::real_field(-0.125, 10, 1), "  -1.3E-01");
  // 2.5 is exact: half up gives 3, not the even 2.
  EXPECT_EQ(textio::real_field(2.5, 8, 0), "  3.E+00");
  // 1.23449999999999995...E-05 lies below the tie in binary, but its 17-digit
  // form 1.2345000000000000E-05 is a tie, and ties round up.
  EXPECT_EQ(textio::real_field(0.000012345, 10, 3), " 1.235E-05");
}

TEST(RealField, CarriesThroughEveryDigitIntoTheExponent) {
  EXPECT_EQ(textio::real_field(9.9999951, 14, 5), "   1.00000E+01");
  EXPECT_EQ(textio::real_field(-99999.96, 14, 5), "  -1.00000E+05");
  // Its 17-digit form 9.9999949999999996E+99 stays below the tie.
  EXPECT_EQ(textio::real_field(9.999995E+99, 14, 5), "   9.99999E+99");
  EXPECT_EQ(textio::real_field(9.9999951E+99, 14, 5), "   1.00000+100");
  EXPECT_EQ(textio::real_field(9.999995E-100, 14, 5), "   1.00000E-99");
}

TEST(RealField, ShowsTheSmallestAndLargestReals) {
  EXPECT_EQ(textio::real_field(4.9406564584124654E-324, 14, 5), "   4.94066-324");
  EXPECT_EQ(textio::real_field(1.7976931348623157E+308, 14, 5), "   1.79769+308");
  EXPECT_EQ(textio::real_field(-1.7976931348623157E+308, 12, 5), "-1.79769+308");
}

TEST(RealField, FillsATooNarrowFieldWithAsterisks) {
  EXPECT_EQ(textio::real_field(-1.5, 11, 5), "***********");
}

TEST(IntegerField, RightAlignsOrOverflows) {
  const struct {
    int value, width;
    const char* text;
  } cases[] = {
      {12, 4, "  12"},  {-5, 4, "  -5"},   {0, 4, "   0"},    {-999, 4, "-999"},
      {12345, 4, "****"}, {-1000, 4, "****"}, {1600, 5, " 1600"}, {1, 2, " 1"},
      {100, 2, "**"},
  };
  for (const auto& c : cases) EXPECT_EQ(textio::integer_field(c.value, c.width), c.text) << c.value;
}

}  // namespace
