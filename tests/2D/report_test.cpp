// The results and currents sections of the report, written from a state set
// up by hand.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "textio/units.hpp"

namespace {

const std::string kStars(79, '*');

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
    std::istringstream text(report_.str());
    for (std::string line; std::getline(text, line);)
      lines.push_back(line.substr(0, line.size() - 1));
    return lines;
  }
  // Nodes of code 0 with the given element lengths, at x = J, potential 1
  // and derivative -2.
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

// S is the arc length up to each node, running on from one boundary (three
// elements of length 2) into the next (two of length 1).
TEST_F(Report, ResultsGiveEachNodeWithTheArcLengthRunningOn) {
  nodes({2, 2, 2, 1, 1});
  velda::OUTPMPC(*v_, u_);
  const auto lines = report_lines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 9),
            (std::vector<std::string>{
                kStars, "", "RESULTS", "", " BOUNDARY NODES", "",
                "NODE          X               Y             S             POTENTIAL   "
                "POTENTIAL DERIVATIVE",
                "",
                "   1     1.00000E+00     0.00000E+00     1.00000E+00     1.00000E+00    "
                "-2.00000E+00"}));
  const char* S[] = {"1.00000E+00", "3.00000E+00", "5.00000E+00", "6.50000E+00", "7.50000E+00"};
  for (int I = 0; I < 5; ++I) EXPECT_EQ(lines[8 + I].substr(41, 11), S[I]) << I;
  EXPECT_EQ(lines[13], kStars);  // no internal points, no header
}

TEST_F(Report, InterfaceNodeHasNoDerivativeAndBigNodeNumbersFit) {
  nodes(std::vector<double>(velda::MAXEL, 0.5));
  v_->KBC(2) = 3;
  v_->NINTP = -1;
  velda::OUTPMPC(*v_, u_);
  const auto lines = report_lines();
  EXPECT_EQ(lines[9], "   2     2.00000E+00     0.00000E+00     7.50000E-01     1.00000E+00");
  EXPECT_EQ(lines[8 + 1599].substr(0, 5), "1600 ");
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
  EXPECT_EQ(std::vector(lines.begin() + 11, lines.end()),
            (std::vector<std::string>{
                " INTERNAL POINTS", "",
                "       X               Y             POTENTIAL        GRADV-X         GRADV-Y", "",
                "    5.00000E-01    -2.50000E-01     1.23450E+03     0.00000E+00     1.00000+100",
                kStars}));
}

// Codes -1 and -3 give three groups; the flux of each, sum ELEN DPOTB over
// its nodes, goes to the report and the console. Group 2 has no node.
TEST_F(Report, CurrentsListEveryGroupUpToTheLargest) {
  nodes({0.5, 1.5, 1.0, 2.0});
  v_->KBC(1) = v_->KBC(2) = -1;
  v_->KBC(4) = -3;
  v_->DPOTB(1) = 2.0;
  v_->DPOTB(2) = -1.0;
  v_->DPOTB(4) = 0.25;
  velda::CURRENT(*v_, u_);
  u_.console.close();
  const std::string flux =
      "FLUX   1 :-5.00000E-01\r\nFLUX   2 : 0.00000E+00\r\nFLUX   3 : 5.00000E-01\r\n";
  EXPECT_EQ(report_.str(), "\r\nCURRENTS\r\n\r\n" + flux + kStars);
  EXPECT_EQ(console_.str(), flux);
}

TEST_F(Report, NoGroupWritesNoCurrents) {
  nodes({1.0, 1.0});
  velda::CURRENT(*v_, u_);
  EXPECT_TRUE(report_lines().empty());
  EXPECT_EQ(console_.str(), "");
}

}  // namespace
