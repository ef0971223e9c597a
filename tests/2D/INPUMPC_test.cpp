// Counts equal to the capacities are accepted. The ways bad input stops a run
// are the malformed-input corpus; the data echo is in the examples' reports.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/memory_run.hpp"

namespace {

// Twenty single-point boundaries and one open line of 1600 elements, 5000
// internal points; an unknown code at the last node ends the run before the
// solution.
TEST(InputLimits, CapacitiesThemselvesAreAccepted) {
  std::string input = " FULL\n0 0 1600 5000 21";
  for (int b = 1; b <= 20; ++b) input.append(1, ' ').append(std::to_string(b));
  input += " 1621\n";
  for (int p = 1; p <= 1621; ++p) input += std::to_string(p) + " 0 ";
  input += "\n";
  for (int n = 1; n < 1600; ++n) input += "0 0\n";
  const auto run = test_support::run_in_memory(input + "4 0\n");
  EXPECT_EQ(run.console,
            "VELDA\r\nNAME OF INPUT FILE : IN\r\nNAME OF OUTPUT FILE : OUT\r\n\r\n*** JOB ABORTED "
            "***\r\n");
  EXPECT_NE(run.report.find("\r\n 1621     1.62100E+03"), std::string::npos);
  EXPECT_NE(run.report.find("UNKNOWN CODE AT I=1600 KODE =   4"), std::string::npos);
}

}  // namespace
