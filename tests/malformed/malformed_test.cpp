// The malformed-input corpus: every file of tests/malformed is run through the
// built program as its input, and must end as its row in kCorpus says. None
// may crash, hang, trip a sanitizer or an assert, or write a number that is
// not finite to the console or the report. In the sanitizer build a fault
// aborts the program, which no expected ending accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "e2e/run_program.hpp"

namespace {

namespace fs = std::filesystem;

struct Run {
  int status;
  std::string console, error, report;
};

// The program run on `input` as the file IN, writing the report OUT.
Run run_on(const std::string& input) {
  const e2e::Folder folder;
  folder.write("IN", input);
  const e2e::Outcome o = folder.run({"IN", "OUT"});
  return {o.status, o.out, o.error, folder.read("OUT")};
}

const std::string kStop = "Stop - Program terminated.\r\n";
const std::string kFatal = "\r\n*** FATAL ERROR ***\r\n";

// Whether console or report, past the echoed title (the user's text), show a
// number that is not finite ("nan", "inf", "-Infinity"...); the words of the
// program's own records hold neither.
bool shows_non_finite(const Run& run) {
  const std::string& report = run.report;
  const auto title_end = report.find('\n', report.find('\n') + 1);
  std::string shown =
      run.console + (title_end == std::string::npos ? "" : report.substr(title_end));
  std::transform(shown.begin(), shown.end(), shown.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return shown.find("nan") != std::string::npos || shown.find("inf") != std::string::npos;
}

// How a run must end.
enum class Ending {
  kSolved,        // the plain stop; `text` is a fragment of the report
  kOverCapacity,  // "*** FATAL ERROR ***" after the console line `text`, before any echo
  kRefused,       // the same once the input is echoed; `text` ends the report too
  kJobAborted,    // "*** JOB ABORTED ***"; `text` ends the report
  kFailed,        // a failure report, status 1; `text` is a fragment of it
};

struct Case {
  const char* file;
  Ending ending;
  const char* text;
};

using enum Ending;

const Case kCorpus[] = {
    // A well-formed file with every code and every free-form variant; the
    // truncation tests cut it.
    {"complete.in", kSolved, "\r\nFLUX   2 :-6.39246E-01\r\n"},
    // Files that are not input files at all.
    {"empty.in", kFailed, "end of file after line 0,"},
    {"binary_bytes.in", kFailed, "\" in line 2 is not an integer"},
    {"cr_only_line_ends.in", kFailed, "end of file after line 1,"},
    // Values that are not numbers of their kind, or out of their range.
    {"counts_real_for_integer.in", kFailed, "\"4.0\" in line 2 is not an integer"},
    {"counts_word.in", kFailed, "\"four\" in line 2 is not an integer"},
    // Control bytes reach the terminal only as \xNN.
    {"escape_sequence.in", kFailed, "\"\\x1B]0;pwned\\x07\" in line 2 is not an integer"},
    {"counts_two_signs.in", kFailed, "\"--4\" in line 2 is not an integer"},
    // A slash does not end the record early: it is part of the value.
    {"counts_slash.in", kFailed, "\"1/\" in line 2 is not an integer"},
    {"count_beyond_integer_range.in", kFailed,
     "\"4294967300\" in line 2 is out of the range of integers"},
    {"leading_comma.in", kFailed, "empty value in line 2 where an integer was expected"},
    {"empty_value_between_commas.in", kFailed,
     "empty value in line 3 where a real number was expected"},
    {"point_letter_after_number.in", kFailed, "\"1.5x\" in line 3 is not a real number"},
    {"point_sign_inside_number.in", kFailed, "\"1-5\" in line 3 is not a real number"},
    {"point_two_signs.in", kFailed, "\"+-1.0\" in line 3 is not a real number"},
    {"point_sign_alone.in", kFailed, "\"-\" in line 3 is not a real number"},
    {"point_point_alone.in", kFailed, "\".\" in line 3 is not a real number"},
    {"point_two_decimal_points.in", kFailed, "\"1.2.3\" in line 3 is not a real number"},
    {"point_exponent_without_digits.in", kFailed, "\"1.0E\" in line 3 is not a real number"},
    {"point_exponent_sign_without_digits.in", kFailed, "\"1.0D+\" in line 3 is not a real number"},
    {"point_exponent_without_mantissa.in", kFailed, "\"E5\" in line 3 is not a real number"},
    {"point_fractional_exponent.in", kFailed, "\"1E2.5\" in line 3 is not a real number"},
    {"point_exponent_letter_twice.in", kFailed, "\"1E2E3\" in line 3 is not a real number"},
    {"point_hexadecimal.in", kFailed, "\"0x1p3\" in line 3 is not a real number"},
    {"point_not_a_number.in", kFailed, "\"nan\" in line 3 is not a real number"},
    {"point_infinite.in", kFailed, "\"Infinity\" in line 3 is not a real number"},
    {"point_nul_byte.in", kFailed, "\" in line 3 is not a real number"},
    {"point_overflows.in", kFailed, "\"1.0E400\" in line 3 is out of the range of real numbers"},
    {"point_underflows.in", kFailed, "\"1.0E-400\" in line 3 is out of the range of real numbers"},
    {"point_very_long_number.in", kFailed,
     "9999...\" in line 3 is out of the range of real numbers"},
    {"code_real.in", kFailed, "\"1.0\" in line 5 is not an integer"},
    // A code-1 record without its value takes it from the next node's line,
    // and the last node then runs out of input.
    {"code_missing_value.in", kFailed, "end of file after line 7,"},
    // Number forms that look odd but are valid, CR LF line ends, lines of
    // tens of thousands of characters: all solve like the plain square.
    {"odd_but_valid_numbers.in", kSolved, "    5.00000E-01     5.00000E-01     5.00000E-01"},
    {"line_ends_crlf.in", kSolved, "    5.00000E-01     5.00000E-01     5.00000E-01"},
    {"very_long_lines.in", kSolved, "    5.00000E-01     5.00000E-01     5.00000E-01"},
    // Counts above the capacities, and counts that give no elements.
    {"too_many_elements.in", kOverCapacity, "TOO MANY ELEMENTS :1601/1600 (maximum)"},
    {"elements_largest_integer.in", kOverCapacity, "TOO MANY ELEMENTS :****/1600 (maximum)"},
    {"internal_points_largest_integer.in", kOverCapacity,
     "TOO MANY INTERNAL POINTS :****/5000 (maximum)"},
    {"too_many_internal_points.in", kOverCapacity, "TOO MANY INTERNAL POINTS :5001/5000 (maximum)"},
    {"too_many_boundaries.in", kOverCapacity, "TOO MANY BOUNDARIES :  22/  21 (maximum)"},
    // Over two capacities at once, the elements are named.
    {"too_many_elements_and_internal_points.in", kOverCapacity,
     "TOO MANY ELEMENTS :1601/1600 (maximum)"},
    // The last-node values are read before the count is checked: the read
    // runs into the point record.
    {"boundaries_largest_integer.in", kFailed, "\"0.0\" in line 3 is not an integer"},
    {"elements_zero.in", kRefused, "THE NUMBER OF BOUNDARY ELEMENTS IS 0: AT LEAST 1 IS NEEDED"},
    {"elements_negative.in", kRefused,
     "THE NUMBER OF BOUNDARY ELEMENTS IS -3: AT LEAST 1 IS NEEDED"},
    {"elements_smallest_integer.in", kRefused,
     "THE NUMBER OF BOUNDARY ELEMENTS IS -2147483648: AT LEAST 1 IS NEEDED"},
    // Regression: NELEM + NBND overflowed the integers when the point list
    // was read.
    {"elements_and_boundaries_sum_below_integers.in", kRefused,
     "THE NUMBER OF BOUNDARY ELEMENTS IS -2147483648: AT LEAST 1 IS NEEDED"},
    // A negative count of internal points reads one line and no point.
    {"internal_points_smallest_integer.in", kSolved,
     "INTERNAL POINTS WHERE THE FUNCTION IS CALCULATED =****\r\n"},
    {"boundaries_negative.in", kRefused, "THE BOUNDARIES HAVE 0 ELEMENTS, NOT 4"},
    {"boundaries_zero.in", kRefused, "THE BOUNDARIES HAVE 0 ELEMENTS, NOT 4"},
    // Regression: the weight of the doubly mirrored image, ISYMX * ISYMY,
    // overflowed the integers. The flags are weights, however large.
    {"symmetry_flags_largest_integers.in", kSolved, " X-SYMMETRY=**  Y-SYMMETRY=**\r\n"},
    // Last-node lists that do not describe NELEM elements.
    {"last_nodes_decreasing.in", kRefused, "LAST NODE OF BOUNDARY 2 IS 3: IT MUST BE AT LEAST 5"},
    {"last_node_past_point_list.in", kRefused,
     "LAST NODE OF BOUNDARY 1 IS 6: THE POINT LIST HAS ONLY 5 POINTS"},
    {"last_node_largest_integer.in", kRefused,
     "LAST NODE OF BOUNDARY 1 IS 2147483647: THE POINT LIST HAS ONLY 5 POINTS"},
    {"last_node_zero.in", kRefused, "LAST NODE OF BOUNDARY 1 IS 0: IT MUST BE AT LEAST 1"},
    {"last_node_smallest_integer.in", kRefused,
     "LAST NODE OF BOUNDARY 1 IS -2147483648: IT MUST BE AT LEAST 1"},
    {"last_nodes_too_few_elements.in", kRefused, "THE BOUNDARIES HAVE 2 ELEMENTS, NOT 4"},
    // Boundaries of one point give no element and are valid.
    {"single_point_boundaries.in", kSolved, "    5.00000E-01     5.00000E-01     5.00000E-01"},
    // Elements without a length, and coordinates too large to compute with.
    {"repeated_point.in", kRefused, "ELEMENT 2 (BOUNDARY 1, POINTS 2 AND 3) HAS ZERO LENGTH"},
    // Regressions: distinct points 1E-200 apart gave an element of length 0,
    // which failed an assert (or divided by zero) in GEOM; a square of side
    // 1E-160, whose squared lengths are subnormal, was solved with lost
    // precision.
    {"element_length_underflows.in", kRefused,
     "ELEMENT 5 (BOUNDARY 1, POINTS 5 AND 6) IS TOO SHORT: ITS SQUARED LENGTH IS BELOW THE "
     "SMALLEST NORMAL REAL (2.2E-308): RESCALE THE PROBLEM"},
    {"element_length_subnormal.in", kRefused,
     "ELEMENT 1 (BOUNDARY 1, POINTS 1 AND 2) IS TOO SHORT: ITS SQUARED LENGTH IS BELOW THE "
     "SMALLEST NORMAL REAL (2.2E-308): RESCALE THE PROBLEM"},
    // Points 2E308 apart: the differences overflow, the tangents are not
    // numbers.
    {"element_length_overflows.in", kFailed, "(an invalid floating-point operation)"},
    {"internal_point_far_away.in", kFailed, "(an invalid floating-point operation)"},
    // Coordinates of 1E200: their products overflow while the elements are made.
    {"coordinates_overflow.in", kFailed,
     "ARITHMETIC(overflow)\r\n- a result is too large for a real number (floating-point "
     "overflow)\r\nExecution traceback:\r\n  GEOM\r\n"},
    // Codes out of range.
    {"code_four.in", kJobAborted, "UNKNOWN CODE AT I=   2 KODE =   4"},
    // The nodes before it are echoed.
    {"code_five.in", kJobAborted,
     "    2         1           0.00000E+00\r\nUNKNOWN CODE AT I=   3 KODE =   5"},
    {"code_largest_integer.in", kJobAborted, "UNKNOWN CODE AT I=   3 KODE =****"},
    {"code_below_lowest_group.in", kJobAborted,
     "GROUP NUMBER ABOVE 5000 AT I=   3 KODE =      -5001"},
    {"code_smallest_integer.in", kJobAborted,
     "GROUP NUMBER ABOVE 5000 AT I=   3 KODE =-2147483648"},
    {"code_lowest_group.in", kSolved, "\r\nFLUX5000 : 1.17461E+00\r\n"},
    // Internal points on the boundary are evaluated like any other; on a
    // node the sum gives half the node's potential.
    {"internal_points_on_vertices.in", kSolved, "    1.00000E+00     1.00000E+00     2.74117E-01"},
    {"internal_points_on_elements.in", kSolved, "    5.00000E-01     1.00000E+00     5.00000E-01"},
    // Systems without a unique solution: two boundaries on top of each
    // other give equal rows and an exactly zero pivot; with every derivative
    // prescribed the potential has no level, which the small pivot flags.
    {"coincident_boundaries.in", kFailed,
     "ARITHMETIC(singular system)\r\n- the system of equations is singular: its pivot at "
     "elimination stage 5 is exactly zero (do two boundaries lie on each other?)\r\n"
     "Execution traceback:\r\n  DPVT\r\n"},
    // The small pivot is noted in the report, after the echo and before the
    // results, and the run goes on.
    {"all_neumann.in", kSolved,
     "    4         1           0.00000E+00\r\n**** IER NON ZERO IN DPVT :  -4\r\n****"},
};

// Checks that `run` ended with `ending` and `text` as a Case gives them, and
// showed no number that is not finite.
void expect_ending(const Run& run, Ending ending, const std::string& text) {
  const std::string& report = run.report;
  EXPECT_FALSE(shows_non_finite(run)) << run.console << report;
  EXPECT_EQ(run.status, ending == kFailed ? 1 : 0) << run.error;
  if (ending != kFailed) {
    EXPECT_EQ(run.error, "");
  }
  switch (ending) {
    case kSolved:
      EXPECT_TRUE(run.console.ends_with("\r\n" + kStop)) << run.console;
      EXPECT_NE(report.find(text), std::string::npos) << report;
      break;
    case kOverCapacity:
    case kRefused:
      EXPECT_TRUE(run.console.ends_with("\r\n" + text + kFatal)) << run.console;
      if (ending == kOverCapacity)
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;  // stars, title
      else
        EXPECT_TRUE(report.ends_with("\r\n" + text + "\r\n")) << report;
      break;
    case kJobAborted:
      EXPECT_TRUE(run.console.ends_with("\r\n*** JOB ABORTED ***\r\n")) << run.console;
      EXPECT_TRUE(report.ends_with("\r\n" + text + "\r\n\r\n")) << report;
      break;
    case kFailed:
      EXPECT_EQ(run.console.find(kStop), std::string::npos);
      EXPECT_EQ(run.error.rfind("\r\n", 0), 0u) << run.error;
      EXPECT_NE(run.error.find(": run-time error "), std::string::npos) << run.error;
      EXPECT_NE(run.error.find("\r\n- "), std::string::npos) << run.error;
      EXPECT_NE(run.error.find(text), std::string::npos) << run.error;
      EXPECT_NE(run.error.find("\r\nExecution traceback:\r\n"), std::string::npos) << run.error;
      EXPECT_EQ(report.find("RESULTS"), std::string::npos) << report;  // no result is written
      break;
  }
}

std::string corpus_file(const std::string& name) {
  return e2e::source_file("tests/malformed/" + name);
}

class MalformedFile : public ::testing::TestWithParam<Case> {};

TEST_P(MalformedFile, EndsAsExpected) {
  const Case& c = GetParam();
  expect_ending(run_on(corpus_file(c.file)), c.ending, c.text);
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFile, ::testing::ValuesIn(kCorpus),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return fs::path(info.param.file).stem().string();
                         });

TEST(MalformedInput, EveryFileOfTheCorpusHasItsExpectedEnding) {
  std::set<std::string> listed;
  for (const Case& c : kCorpus) EXPECT_TRUE(listed.insert(c.file).second) << c.file << " twice";
  for (const auto& entry : fs::directory_iterator(fs::path(VELDA_SOURCE_DIR) / "tests/malformed")) {
    if (entry.path().extension() != ".in") continue;
    EXPECT_EQ(listed.count(entry.path().filename().string()), 1u) << entry.path() << " not listed";
  }
}

// The complete file cut in front of each of its lines, and inside each line
// after its first value: every cut runs out of input in the record it cuts.
TEST(MalformedInput, FilesTruncatedAtEveryRecordFailAtTheEndOfFile) {
  const std::string complete = corpus_file("complete.in");
  int lines = 0;  // before the cut
  for (std::size_t start = 0; start < complete.size(); ++lines) {
    const std::size_t end = complete.find('\n', start);
    const std::size_t value_end =
        complete.find_first_of(" \t,", complete.find_first_not_of(" \t,", start));
    SCOPED_TRACE("cut after line " + std::to_string(lines));
    expect_ending(run_on(complete.substr(0, start)), kFailed,
                  "end of file after line " + std::to_string(lines) + ",");
    if (value_end < end) {
      SCOPED_TRACE("cut after the first value of the next line");
      expect_ending(run_on(complete.substr(0, value_end)), kFailed,
                    "end of file after line " + std::to_string(lines + 1) + ",");
    }
    start = end + 1;
  }
  EXPECT_EQ(lines, 20);
}

}  // namespace
