// Values that are not numbers of their kind, and the end of the input, end a
// read with a failure report: the malformed-input corpus has a file for each.
#include "textio/free_form.hpp"

#include <gtest/gtest.h>

#include <sstream>

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

TEST_F(FreeForm, ReadsValuesOverLinesBetweenAnySeparatorsAndSkipsTheRestOfTheLast) {
  feed("\t1 ,\t0\r\n\r\n   \n20, 5,2 99\n7\n");
  int a = 0, b = 0, c = 0, d = 0, e = 0, next = 0;
  textio::FreeFormRead(in_) >> a >> b >> c >> d >> e;
  EXPECT_EQ((std::vector{a, b, c, d, e}), (std::vector{1, 0, 20, 5, 2}));
  textio::FreeFormRead(in_) >> next;
  EXPECT_EQ(next, 7);
}

TEST_F(FreeForm, ReadsRealsInEveryWrittenForm) {
  feed("1 -2. .5 +3.25 1E3 1.5e-2 2D2 -4.0d+1 7.E0\n");
  textio::FreeFormRead read(in_);
  for (double expected : {1.0, -2.0, 0.5, 3.25, 1000.0, 0.015, 200.0, -40.0, 7.0}) {
    double x = 0;
    read >> x;
    EXPECT_EQ(x, expected);
  }
}

// A read without targets still takes its line; backspace gives the last line
// read once more, as the node records with a code alone on its line need.
TEST_F(FreeForm, EachReadTakesANewLineAndBackspaceRereadsTheLast) {
  feed("ignored\n2\n3.5 4.5\n9\n");
  textio::FreeFormRead{in_};
  int code = 0, last = 0;
  double first = 0, second = 0;
  textio::FreeFormRead(in_) >> code;
  EXPECT_EQ(code, 2);
  in_.backspace();
  textio::FreeFormRead(in_) >> code >> first >> second;
  EXPECT_EQ(first, 3.5);
  EXPECT_EQ(second, 4.5);
  textio::FreeFormRead(in_) >> last;
  EXPECT_EQ(last, 9);
}

TEST_F(FreeForm, ReadsTextPaddedOrCutToItsLength) {
  feed("SQUARE TEST\r\n" + std::string(90, 'x') + "\n");
  EXPECT_EQ(textio::read_text(in_, 14), "SQUARE TEST   ");
  EXPECT_EQ(textio::read_text(in_, 80), std::string(80, 'x'));
}

}  // namespace
