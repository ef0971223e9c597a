#include "textio/fields.hpp"

#include <gtest/gtest.h>

namespace {

// The rendering table of the real field, in both widths the reports use.
TEST(RealField, RendersEveryRowOfTheTable) {
  const struct {
    double value;
    const char *e14_5, *e12_5;
  } cases[] = {
      {1234.5, "   1.23450E+03", " 1.23450E+03"},    {-1234.5, "  -1.23450E+03", "-1.23450E+03"},
      {-0.001, "  -1.00000E-03", "-1.00000E-03"},    {0.0, "   0.00000E+00", " 0.00000E+00"},
      {-0.0, "   0.00000E+00", " 0.00000E+00"},      {0.5, "   5.00000E-01", " 5.00000E-01"},
      {9.999996, "   1.00000E+01", " 1.00000E+01"},  {123456.789, "   1.23457E+05", " 1.23457E+05"},
      {1234565, "   1.23457E+06", " 1.23457E+06"},   {1.0E+100, "   1.00000+100", " 1.00000+100"},
      {-2.5E-120, "  -2.50000-120", "-2.50000-120"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textio::real_field(c.value, 14, 5), c.e14_5) << c.value;
    EXPECT_EQ(textio::real_field(c.value, 12, 5), c.e12_5) << c.value;
  }
}

// Rounding is digit by digit on the 17-digit decimal form, ties away
// from zero (where printf would round to even), and a carry may run through
// every digit into the exponent.
TEST(RealField, RoundsTiesAwayCarriesIntoTheExponentAndOverflowsToAsterisks) {
  const struct {
    double value;
    int width, digits;
    const char* text;
  } cases[] = {
      {0.125, 10, 1, "   1.3E-01"},
      {-0.125, 10, 1, "  -1.3E-01"},
      {2.5, 8, 0, "  3.E+00"},
      {0.000012345, 10, 3, " 1.235E-05"},  // 17 digits: 1.2345000000000000E-05, a tie
      {9.9999951, 14, 5, "   1.00000E+01"},
      {-99999.96, 14, 5, "  -1.00000E+05"},
      {9.999995E+99, 14, 5, "   9.99999E+99"},  // 17 digits: 9.9999949999999996E+99
      {9.9999951E+99, 14, 5, "   1.00000+100"},
      {9.999995E-100, 14, 5, "   1.00000E-99"},
      {4.9406564584124654E-324, 14, 5, "   4.94066-324"},
      {1.7976931348623157E+308, 14, 5, "   1.79769+308"},
      {-1.7976931348623157E+308, 12, 5, "-1.79769+308"},
      {-1.5, 11, 5, "***********"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(textio::real_field(c.value, c.width, c.digits), c.text) << c.value;
}

TEST(IntegerField, RightAlignsOrOverflows) {
  const struct {
    int value, width;
    const char* text;
  } cases[] = {
      {12, 4, "  12"},    {-5, 4, "  -5"},    {0, 4, "   0"}, {-999, 4, "-999"}, {12345, 4, "****"},
      {-1000, 4, "****"}, {1600, 5, " 1600"}, {1, 2, " 1"},   {100, 2, "**"},
  };
  for (const auto& c : cases) EXPECT_EQ(textio::integer_field(c.value, c.width), c.text) << c.value;
}

}  // namespace
