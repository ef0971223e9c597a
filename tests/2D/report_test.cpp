// The results and currents sections of the report, written from a state set
// up by hand.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "textio/units.hpp"

namespace {

class Report : public ::testing::Test {
 protected:
  void SetUp() override {
    u_.report.connect(report_, 6, "OUT");
    u_.console.connect(console_, 0, {});
  }
  // The lines written, each without its line end.
  std::vector<std::string> report_lines() {
    u_.report.close();
    std::vector<std::string> lines;
    std::string text = report_.str(), line;
    for (std::size_t at = 0; at < text.size();) {
      const auto end = text.find("\r\n", at);
      lines.push_back(text.substr(at, end - at));
      at = end + 2;
    }
    return lines;
  }
  // NELEM nodes with the given element lengths, every node of code 0.
  void nodes(const std::vector<double>& lengths) {
    v_->NELEM = static_cast<int>(lengths.size());
    for (int J = 1; J <= v_->NELEM; ++J) {
      v_->ELEN(J) = lengths[J - 1];
      v_->XN(J) = J;
      v_->POTB(J) = 1.0;
      v_->DPOTB(J) = -2.0;
    }
  }
  std::unique_ptr<velda::Velda> v_ = std::make_unique<velda::Velda>();
  textio::Units u_;
  std::ostringstream report_, console_;
};

const std::string kStars(79, '*');

TEST_F(Report, ArcLengthRunsOnAcrossBoundaries) {
  nodes({2, 2, 2, 1, 1});  // a boundary of three elements, then one of two
  velda::OUTPMPC(*v_, u_);
  const auto lines = report_lines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], kStars);
  EXPECT_EQ(lines[2], "RESULTS");
  EXPECT_EQ(lines[4], " BOUNDARY NODES");
  const std::string blanks(15, ' ');
  EXPECT_EQ(lines[6], "NODE" + blanks.substr(5) + "X" + blanks + "Y" + blanks.substr(2) + "S" +
                          blanks.substr(2) + "POTENTIAL" + blanks.substr(12) + "POTENTIAL DERIVATIVE");
  EXPECT_EQ(lines[8],
            "   1     1.00000E+00     0.00000E+00     1.00000E+00     1.00000E+00    -2.00000E+00");
  const char* S[] = {"1.00000E+00", "3.00000E+00", "5.00000E+00", "6.50000E+00", "7.50000E+00"};
  for (int I = 0; I < 5; ++I) EXPECT_EQ(lines[8 + I].substr(41, 11), S[I]) << I;
  EXPECT_EQ(lines[13], kStars);  // no internal points
}

TEST_F(Report, InterfaceNodeHasNoDerivativeAndBigNodeNumbersFit) {
  nodes(std::vector<double>(velda::MAXEL, 0.5));
  v_->KBC(2) = 3;
  v_->NINTP = -1;
  velda::OUTPMPC(*v_, u_);
  const auto lines = report_lines();
  EXPECT_EQ(lines[9].size(), 68u);
  EXPECT_EQ(lines[8].size(), 84u);
  EXPECT_EQ(lines[8 + 1599].substr(0, 4), "1600");
  // A negative count still writes the internal header, with no line under it.
  EXPECT_EQ(lines[8 + 1600 + 2], " INTERNAL POINTS");
  EXPECT_EQ(lines[8 + 1600 + 6], kStars);
}

TEST_F(Report, InternalPointLinesFollowTheirHeader) {
  nodes({1});
  v_->NINTP = 1;
  v_->XINT(1) = 0.5;
  v_->YINT(1) = -0.25;
  v_->POTI(1) = 1234.5;
  v_->GRDX(1) = -0.0;
  v_->GRDY(1) = 1.0E+100;
  velda::OUTPMPC(*v_, u_);
  const auto lines = report_lines();
  const std::string blanks(15, ' ');
  EXPECT_EQ(lines[13], blanks.substr(8) + "X" + blanks + "Y" + blanks.substr(2) + "POTENTIAL" +
                           blanks.substr(7) + "GRADV-X" + blanks.substr(6) + "GRADV-Y");
  EXPECT_EQ(lines[15], "    5.00000E-01    -2.50000E-01     1.23450E+03     0.00000E+00     1.00000+100");
  EXPECT_EQ(lines[16], kStars);
}

TEST_F(Report, CurrentsListEveryGroupUpToTheLargest) {
  nodes({0.5, 1.5, 1.0, 2.0});
  v_->KBC(1) = -1;
  v_->KBC(2) = -1;
  v_->KBC(3) = 0;
  v_->KBC(4) = -3;
  v_->DPOTB(1) = 2.0;
  v_->DPOTB(2) = -1.0;
  v_->DPOTB(4) = 0.25;
  velda::CURRENT(*v_, u_);
  u_.console.close();
  EXPECT_EQ(report_lines(), (std::vector<std::string>{"", "CURRENTS", "", "FLUX   1 :-5.00000E-01",
                                                      "FLUX   2 : 0.00000E+00",
                                                      "FLUX   3 : 5.00000E-01", kStars}));
  EXPECT_EQ(console_.str(),
            "FLUX   1 :-5.00000E-01\r\nFLUX   2 : 0.00000E+00\r\nFLUX   3 : 5.00000E-01\r\n");
}

TEST_F(Report, NoGroupWritesNoCurrents) {
  nodes({1.0, 1.0});
  velda::CURRENT(*v_, u_);
  EXPECT_TRUE(report_lines().empty());
  EXPECT_EQ(console_.str(), "");
}

TEST_F(Report, FourDigitGroupFillsItsField) {
  nodes({1.0});
  v_->KBC(1) = -1234;
  velda::CURRENT(*v_, u_);
  EXPECT_EQ(report_lines()[1236], "FLUX1234 :-2.00000E+00");
}

}  // namespace
