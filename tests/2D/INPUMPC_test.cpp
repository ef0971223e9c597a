// Reading the problem: the data echo, the input forms, and every way the
// input can stop the run.
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
  EXPECT_EQ(echo_of(run.report()),
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
  const std::string echo = echo_of(run.report());
  EXPECT_NE(echo.find("\r\nSEVEN" + std::string(74, ' ') + "\r\n"), std::string::npos);
  EXPECT_NE(echo.find("\r\n NUMBER OF DIFFERENT BOUNDARIES =   7\r\n"
                      " LAST NODE OF EACH BOUNDARY =   2,   4,   6,   8,  10,\r\n"
                      " 12,  14,\r\n"),
            std::string::npos)
      << echo;
  EXPECT_NE(echo.find(lines({"    1         0           1.50000E+00",
                             "    2         1          -2.50000E+00",
                             "    3         2           3.00000E+00           2.50000E-01",
                             "    4         3           0.00000E+00           4.00000E+00",
                             "    5        **           1.00000E+00",
                             "    6        -1           7.00000E+00",
                             "    7         0           0.00000E+00"})),
            std::string::npos)
      << echo;
}

TEST(DataEcho, TitleControlCharactersTakeTheirEffect) {
  std::string input = e2e::source_file("examples/square.in");
  input[0] = '0';
  EXPECT_EQ(run_in_memory(input).report().substr(79, 14), "\r\n\r\nQUARE TEST");
  input[0] = '1';
  EXPECT_EQ(run_in_memory(input).report().substr(79, 16), "\r\n\f\r \rQUARE TEST");
}

struct FatalCase {
  const char* counts;
  const char* console;
};

TEST(InputLimits, ACountAboveItsCapacityStopsTheRunBeforeAnyEcho) {
  const FatalCase cases[] = {
      {"0 0 1601 0 1 1602", "TOO MANY ELEMENTS :1601/1600 (maximum)"},
      {"0 0 4 5001 1 5", "TOO MANY INTERNAL POINTS :5001/5000 (maximum)"},
      {"0 0 4 1 22 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22",
       "TOO MANY BOUNDARIES :  22/  21 (maximum)"},
      {"0 0 1601 5001 1 1602", "TOO MANY ELEMENTS :1601/1600 (maximum)"},
  };
  for (const FatalCase& c : cases) {
    const auto run = run_in_memory(std::string(" LIMITS\n") + c.counts + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.console, kConsoleHead + c.console + "\r\n*** FATAL ERROR ***\r\n");
    EXPECT_EQ(run.report(), kStars + "\r\nLIMITS" + std::string(73, ' ') + "\r\n");
  }
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
  EXPECT_NE(run.report().find("\r\n 1621     1.62100E+03"), std::string::npos);
  EXPECT_NE(run.report().find("UNKNOWN CODE AT I=1600 KODE =   4"), std::string::npos);
}

TEST(InputLimits, UnknownCodeStopsAtItsNodeWithTheEchoBeforeIt) {
  const auto run = run_in_memory(
      " CODES\n0 0 4 0 1 5\n0 0 1 0 1 1 0 1 0 0\n0 0.0\n1 0.0\n5 1.0\n1 0.0\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, kConsoleHead + "*** JOB ABORTED ***\r\n");
  const std::string& report = run.report();
  EXPECT_EQ(report.substr(report.find("    1         0")),
            lines({"    1         0           0.00000E+00",
                   "    2         1           0.00000E+00", "UNKNOWN CODE AT I=   3 KODE =   5",
                   ""}) + "\r\n");
}

TEST(InputLimits, CodeBelowTheLowestGroupIsRefusedAtItsNode) {
  const auto run = run_in_memory(" GROUPS\n0 0 2 0 1 3\n0 0 1 0 2 0\n-5000 1.0\n-5001 1.0\n");
  EXPECT_EQ(run.console, kConsoleHead + "*** JOB ABORTED ***\r\n");
  EXPECT_NE(run.report().find("\r\n    1        **           1.00000E+00\r\n"
                              "GROUP NUMBER ABOVE 5000 AT I=   2 KODE =      -5001\r\n\r\n"),
            std::string::npos)
      << run.report();
}

// Input that cannot make NELEM elements is refused once it is all echoed.
TEST(InputLimits, BoundariesThatCannotMakeTheElementsAreRefused) {
  const struct {
    const char* input;
    const char* message;
  } cases[] = {
      {" NONE\n0 0 0 0 0\n\n", "THE NUMBER OF BOUNDARY ELEMENTS IS 0: AT LEAST 1 IS NEEDED"},
      {" NEGATIVE\n0 0 -3 0 1 2\n0 0\n", "THE NUMBER OF BOUNDARY ELEMENTS IS -3: AT LEAST 1 IS NEEDED"},
      {" NO BOUNDARY\n0 0 1 0 0\n0 0\n0 1.0\n", "THE BOUNDARIES HAVE 0 ELEMENTS, NOT 1"},
      {" DECREASING\n0 0 2 0 2 3 2\n0 0 1 0 2 0 3 0\n0 1\n0 1\n",
       "LAST NODE OF BOUNDARY 2 IS 2: IT MUST BE AT LEAST 4"},
      {" PAST\n0 0 2 0 1 9\n0 0 1 0 2 0\n0 1\n0 1\n",
       "LAST NODE OF BOUNDARY 1 IS 9: THE POINT LIST HAS ONLY 3 POINTS"},
      {" SHORT\n0 0 3 0 1 3\n0 0 1 0 2 0 3 0\n0 1\n0 1\n0 1\n", "THE BOUNDARIES HAVE 2 ELEMENTS, NOT 3"},
      {" REPEATED POINT\n0 0 2 0 1 3\n0 0 1 0 1 0\n0 1\n0 1\n",
       "ELEMENT 2 (BOUNDARY 1, POINTS 2 AND 3) HAS ZERO LENGTH"},
  };
  for (const auto& c : cases) {
    const auto run = run_in_memory(c.input);
    EXPECT_EQ(run.status, 0) << c.input << run.error;
    EXPECT_EQ(run.console, kConsoleHead + c.message + "\r\n*** FATAL ERROR ***\r\n") << c.input;
    const std::string& report = run.report();
    EXPECT_EQ(report.substr(report.size() - std::string(c.message).size() - 2),
              std::string(c.message) + "\r\n");
  }
}

TEST(InputForms, ANegativeInternalCountConsumesOneLineAndReadsNoPoint) {
  const auto run =
      run_in_memory(" NEGATIVE\n0 0 4 -1 1 5\n0 0 1 0 1 1 0 1 0 0\n0 0\n1 0\n0 1\n1 0\nnot numbers\n");
  EXPECT_EQ(run.status, 0) << run.error;
  EXPECT_NE(run.report().find("INTERNAL POINTS WHERE THE FUNCTION IS CALCULATED =  -1"),
            std::string::npos);
}

TEST(InputForms, AValueThatIsNotANumberEndsTheRunWithAFailureReport) {
  const auto run = run_in_memory(" BAD\n0 0 4 1 1 5\n0 0 1 0 1 1x 0 1 0 0\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.error.find(": READ(unit=5, file=IN)\r\n- \"1x\" in line 3 is not a real number\r\n"),
            std::string::npos)
      << run.error;
  EXPECT_NE(run.error.find("Execution traceback:\r\n  INPUMPC\r\n  main\r\n"), std::string::npos);
  EXPECT_EQ(run.console.find("Stop"), std::string::npos);
}

}  // namespace
