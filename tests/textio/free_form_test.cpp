#include "textio/free_form.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "textio/failure.hpp"

namespace {

class FreeForm : public ::testing::Test {
 protected:
  void feed(const std::string& text) {
    source_.str(text);
    in_.connect(source_, 5, "IN");
  }
  std::istringstream source_;
  textio::InputChannel in_;
};

TEST_F(FreeForm, ReadsValuesOverSeveralLinesAndSkipsTheRestOfTheLast) {
  feed("1 0\n20, 5,2 99\n7\n");
  int a = 0, b = 0, c = 0, d = 0, e = 0, next = 0;
  textio::FreeFormRead(in_) >> a >> b >> c >> d >> e;
  EXPECT_EQ((std::vector{a, b, c, d, e}), (std::vector{1, 0, 20, 5, 2}));
  textio::FreeFormRead(in_) >> next;
  EXPECT_EQ(next, 7);
}

TEST_F(FreeForm, AcceptsTabsCommasWithBlanksBlankLinesAndCrLf) {
  feed("\t1.5 ,\t-2\r\n\r\n   \n  ,3.0\r\n");
  double x = 0, y = 0, z = 0;
  textio::FreeFormRead(in_) >> x >> y >> z;
  EXPECT_EQ(x, 1.5);
  EXPECT_EQ(y, -2.0);
  EXPECT_EQ(z, 3.0);
}

TEST_F(FreeForm, ReadsRealsInEveryWrittenForm) {
  feed("1 -2. .5 +3.25 1E3 1.5e-2 2D2 -4.0d+1 7.E0\n");
  double v[9];
  textio::FreeFormRead read(in_);
  for (double& x : v) read >> x;
  const double expected[9] = {1.0, -2.0, 0.5, 3.25, 1000.0, 0.015, 200.0, -40.0, 7.0};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(v[i], expected[i]) << i;
}

TEST_F(FreeForm, RereadsTheLineOnWhichTheLastReadEnded) {
  feed("2\n3.5 4.5\n9\n");
  int code = 0;
  textio::FreeFormRead(in_) >> code;  // a code alone on its line
  EXPECT_EQ(code, 2);
  in_.backspace();
  double first = 0, second = 0;
  textio::FreeFormRead(in_) >> code >> first >> second;
  EXPECT_EQ(first, 3.5);
  EXPECT_EQ(second, 4.5);
  int last = 0;
  textio::FreeFormRead(in_) >> last;
  EXPECT_EQ(last, 9);
}

TEST_F(FreeForm, AReadWithoutTargetsStillTakesOneLine) {
  feed("ignored\n5\n");
  textio::FreeFormRead{in_};
  int n = 0;
  textio::FreeFormRead(in_) >> n;
  EXPECT_EQ(n, 5);
}

TEST_F(FreeForm, ReadsALongLineWhole) {
  std::string line;
  for (int i = 1; i <= 5000; ++i) line += std::to_string(i) + " ";
  feed(line + "\n");
  textio::FreeFormRead read(in_);
  int value = 0;
  for (int i = 1; i <= 5000; ++i) read >> value;
  EXPECT_EQ(value, 5000);
}

// A value that cannot be taken ends the run with a READ failure naming it.
TEST_F(FreeForm, FailsOnValuesThatAreNotNumbersOfTheTargetsKind) {
  const struct {
    const char* text;
    bool integer;
  } cases[] = {
      {"1.5x\n", false}, {"x\n", true},      {"1.0\n", true},  {"--1\n", true},
      {"1e\n", false},   {".\n", false},     {"+-1\n", false}, {"1,,2\n", true},
      {",1\n", true},    {"1e400\n", false}, {"99999999999\n", true}, {"nan\n", false},
      {"inf\n", false},  {"1/\n", true},
  };
  for (const auto& c : cases) {
    feed(c.text);
    try {
      textio::FreeFormRead read(in_);
      int i = 0;
      double x = 0;
      if (c.integer)
        read >> i >> i;
      else
        read >> x;
      ADD_FAILURE() << "no failure for " << c.text;
    } catch (const textio::Failure& failure) {
      EXPECT_EQ(failure.statement(), textio::Statement::READ) << c.text;
      EXPECT_NE(failure.reason().find("line 1"), std::string::npos) << failure.reason();
    }
  }
}

TEST_F(FreeForm, FailsAtTheEndOfTheInputBeforeEveryTargetHasAValue) {
  feed("1 2\n\n");
  int a = 0, b = 0, c = 0;
  try {
    textio::FreeFormRead(in_) >> a >> b >> c;
    ADD_FAILURE() << "no failure";
  } catch (const textio::Failure& failure) {
    EXPECT_EQ(failure.statement(), textio::Statement::READ);
    EXPECT_NE(failure.reason().find("end of file"), std::string::npos) << failure.reason();
  }
}

TEST_F(FreeForm, ReadsTextPaddedOrCutToItsLength) {
  feed("SQUARE TEST\r\n" + std::string(90, 'x') + "\n");
  EXPECT_EQ(textio::read_text(in_, 14), "SQUARE TEST   ");
  EXPECT_EQ(textio::read_text(in_, 80), std::string(80, 'x'));
}

}  // namespace
