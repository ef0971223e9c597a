// Reading the problem: the data echo and the input forms. The ways bad input
// stops a run are the rows of the malformed-input corpus.
#include <gtest/gtest.h>

#include "2D/memory_run.hpp"
#include "e2e/run_program.hpp"

namespace {

using velda_test::run_in_memory;

const std::string kStars(79, '*');
const std::string kConsoleHead =
    "VELDA\r\nNAME OF INPUT FILE : IN\r\nNAME OF OUTPUT FILE : OUT\r\n\r\n";

// The lines joined as the report holds them, the last one still open.
std::string lines(const std::vector<std::string>& text) {
  std::string bytes;
  for (const std::string& line : text) bytes += (bytes.empty() ? "" : "\r\n") + line;
  return bytes;
}

// The report up to the results, which follow the echo.
std::string echo_of(const std::string& report) {
  return report.substr(0, report.find("\r\n" + kStars + "\r\n\r\nRESULTS"));
}

TEST(DataEcho, SquareExampleEchoesByteForByte) {
  const auto run = run_in_memory(e2e::source_file("examples/square.in"));
  ASSERT_EQ(run.status, 0) << run.error;
  EXPECT_EQ(echo_of(run.report),
            lines({kStars,
                   "QUARE TEST" + std::string(69, ' '),
                   "",
                   "",
                   "DATA",
                   "",
                   " NUMBER OF BOUNDARY ELEMENTS =   4",
                   " NUMBER OF INTERNAL POINTS WHERE THE FUNCTION IS CALCULATED =   1",
                   "",
                   "",
                   " X-SYMMETRY= 0  Y-SYMMETRY= 0",
                   "",
                   " NUMBER OF DIFFERENT BOUNDARIES =   1",
                   " LAST NODE OF EACH BOUNDARY =   5,",
                   "",
                   "",
                   " COORDINATES OF THE EXTREME POINTS OF THE BOUNDARY ELEMENTS",
                   "",
                   "POINT       X               Y",
                   "    1     0.00000E+00     0.00000E+00",
                   "    2     1.00000E+00     0.00000E+00",
                   "    3     1.00000E+00     1.00000E+00",
                   "    4     0.00000E+00     1.00000E+00",
                   "    5     0.00000E+00     0.00000E+00",
                   "",
                   "",
                   " BOUNDARY CONDITIONS",
                   "",
                   " NODE      CODE       PRESCRIBED VALUE     INT.IMPEDANCE / EPS",
                   "    1         0           0.00000E+00",
                   "    2         1           0.00000E+00",
                   "    3         0           1.00000E+00",
                   "    4         1           0.00000E+00"}));
}

// Seven single-element boundaries (open, two points each), with node records
// in the forms a free-form file allows.
const std::string kSevenBoundaries =
    " SEVEN\n"
    "0 0 7 0 7\n"
    "2 4 6 8 10\t12,14\n"
    "0 0 1 0  0 1 1 1  0 2 1 2  0 3 1 3  0 4 1 4  0 5 1 5  0 6 1 6\n"
    "0 1.5\n"
    "1\n"
    "  -2.5\n"
    "2, 3.0,\t0.25 99 extra\n"
    "3 4.0 5.0\n"
    "-12 1.0\n"
    "-1 7\n"
    "0 0\n";

TEST(DataEcho, ShowsLastNodesOverTwoRecordsAndEachCodesValues) {
  const auto run = run_in_memory(kSevenBoundaries);
  ASSERT_EQ(run.status, 0) << run.error;
  const std::string echo = echo_of(run.report);
  EXPECT_NE(echo.find("\r\nSEVEN" + std::string(74, ' ') + "\r\n"), std::string::npos);
  EXPECT_NE(echo.find("\r\n NUMBER OF DIFFERENT BOUNDARIES =   7\r\n"
                      " LAST NODE OF EACH BOUNDARY =   2,   4,   6,   8,  10,\r\n"
                      " 12,  14,\r\n"),
            std::string::npos)
      << echo;
  EXPECT_NE(echo.find(lines(
                {"    1         0           1.50000E+00", "    2         1          -2.50000E+00",
                 "    3         2           3.00000E+00           2.50000E-01",
                 "    4         3           0.00000E+00           4.00000E+00",
                 "    5        **           1.00000E+00", "    6        -1           7.00000E+00",
                 "    7         0           0.00000E+00"})),
            std::string::npos)
      << echo;
}

TEST(InputLimits, CapacitiesThemselvesAreAccepted) {
  // Twenty single-point boundaries and one open line of 1600 elements; an
  // unknown code at the last node ends the run before the solution.
  std::string input = " FULL\n0 0 1600 5000 21";
  for (int b = 1; b <= 20; ++b) input.append(1, ' ').append(std::to_string(b));
  input += " 1621\n";
  for (int p = 1; p <= 1621; ++p) input += std::to_string(p) + " 0 ";
  input += "\n";
  for (int n = 1; n < 1600; ++n) input += "0 0\n";
  const auto run = run_in_memory(input + "4 0\n");
  EXPECT_EQ(run.console, kConsoleHead + "*** JOB ABORTED ***\r\n");
  EXPECT_NE(run.report.find("\r\n 1621     1.62100E+03"), std::string::npos);
  EXPECT_NE(run.report.find("UNKNOWN CODE AT I=1600 KODE =   4"), std::string::npos);
}

}  // namespace
