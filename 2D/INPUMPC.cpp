// INPUMPC: reads the problem from unit 5 and echoes it at the head of the
// report. Each part of the echo is written as soon as its data are read, so
// a run that stops on bad data leaves the echo written up to that point.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "2D/VELDA.hpp"
#include "2D/boundary_checks.hpp"
#include "2D/codes.hpp"
#include "report/format.hpp"
#include "runcontrol/failure.hpp"
#include "textio/free_form.hpp"
#include "textio/layout.hpp"
#include "textio/units.hpp"

namespace velda {
namespace {

constexpr int kTitleLength = 80;
// The stop messages of a refused input: counts or boundaries that cannot be
// solved, and a node code that is not known.
constexpr const char* kFatalError = "*** FATAL ERROR ***";
constexpr const char* kAborted = "*** JOB ABORTED ***";
// Codes below this have no slot in the currents table.
constexpr int kLowestCode = -MAXINT;

// Writes the record that says why the input is refused to each channel and
// stops the run with `message`. The stop carries the record's text, without
// its control character, as its reason.
[[noreturn]] void refuse(std::initializer_list<textio::OutputChannel*> channels,
                         const char* message, std::string_view layout,
                         std::initializer_list<textio::Value> values) {
  for (textio::OutputChannel* channel : channels) textio::write(*channel, layout, values);
  const std::vector<textio::Value> list(values);
  runcontrol::stop(message, textio::format_records(layout, list).front().substr(1));
}

// The counts record: ISYMX, ISYMY, NELEM, NINTP, NBND and NBND last-node
// values, of which no more than MAXBND are kept.
void read_counts(Velda& v, textio::InputChannel& in) {
  textio::FreeFormRead counts(in);
  counts >> v.ISYMX >> v.ISYMY >> v.NELEM >> v.NINTP >> v.NBND;
  for (int b = 1; b <= v.NBND; ++b) {
    int last = 0;
    counts >> last;
    if (b <= MAXBND) v.LASTND(b) = last;
  }
}

// Each count above its capacity stops the run; only the first one found is
// shown.
void check_capacities(const Velda& v, textio::OutputChannel& console) {
  if (v.NELEM > MAXEL)
    refuse({&console}, kFatalError, R"-((1X, "TOO MANY ELEMENTS :", I4, "/", I4, " (maximum)"))-",
           {v.NELEM, MAXEL});
  if (v.NINTP > MAXINT)
    refuse({&console}, kFatalError,
           R"-((1X, "TOO MANY INTERNAL POINTS :", I4, "/", I4, " (maximum)"))-", {v.NINTP, MAXINT});
  if (v.NBND > MAXBND)
    refuse({&console}, kFatalError, R"-((1X, "TOO MANY BOUNDARIES :", I4, "/", I4, " (maximum)"))-",
           {v.NBND, MAXBND});
}

void echo_counts(const Velda& v, textio::OutputChannel& report) {
  textio::write(report, report::kCountsEcho, {v.NELEM, v.NINTP});
  textio::write(report, report::kSymmetryEcho, {v.ISYMX, v.ISYMY});
  if (v.NBND > 0) {
    std::vector<textio::Value> values{v.NBND};
    for (int b = 1; b <= v.NBND; ++b) values.emplace_back(v.LASTND(b));
    textio::write(report, report::kBoundariesEcho, values);
  }
}

// NELEM + NBND, the length of the point list, or 0 when that is not
// positive. Either count may be any negative integer, so the sum is taken
// in 64 bits.
int point_count(const Velda& v) {
  return static_cast<int>(std::max<std::int64_t>(0, std::int64_t{v.NELEM} + v.NBND));
}

void read_points(Velda& v, textio::Units& u) {
  textio::write(u.report, report::kPointsHeading);
  const int points = point_count(v);
  textio::FreeFormRead record(u.input);
  for (int P = 1; P <= points; ++P) record >> v.XP(P) >> v.YP(P);
  for (int P = 1; P <= points; ++P)
    textio::write(u.report, report::kPointEcho, {P, v.XP(P), v.YP(P)});
}

// Node I's record: its code, then the values the code calls for, which may
// stand on the lines after it. The code is read alone first, then its line
// is read again with the values.
void read_node(Velda& v, textio::Units& u, int I) {
  textio::FreeFormRead(u.input) >> v.KBC(I);
  u.input.backspace();
  const int code = v.KBC(I);
  if (code <= KBC_DERIVATIVE && code >= kLowestCode) {
    v.BCVAL(I) = 0.0;
    textio::FreeFormRead(u.input) >> v.KBC(I) >> v.POTB(I);
    textio::write(u.report, report::kNodeEcho, {I, v.KBC(I), v.POTB(I)});
  } else if (code == KBC_IMPEDANCE) {
    textio::FreeFormRead(u.input) >> v.KBC(I) >> v.POTB(I) >> v.BCVAL(I);
    textio::write(u.report, report::kNodeEcho, {I, v.KBC(I), v.POTB(I), v.BCVAL(I)});
  } else if (code == KBC_INTERFACE) {
    textio::FreeFormRead(u.input) >> v.KBC(I) >> v.BCIMP(I);
    v.POTB(I) = 0.0;
    textio::write(u.report, report::kNodeEcho, {I, v.KBC(I), v.POTB(I), v.BCIMP(I)});
  } else if (code < kLowestCode) {
    refuse({&u.report}, kAborted, R"((1X, "GROUP NUMBER ABOVE 5000 AT I=", I4, " KODE =", I11, /))",
           {I, code});
  } else {
    refuse({&u.report}, kAborted, R"((1X, "UNKNOWN CODE AT I=", I4, " KODE =", I4, /))", {I, code});
  }
}

void read_internal_points(Velda& v, textio::InputChannel& in) {
  if (v.NINTP == 0) return;
  textio::FreeFormRead record(in);
  for (int i = 1; i <= v.NINTP; ++i) record >> v.XINT(i) >> v.YINT(i);
}

}  // namespace

void INPUMPC(Velda& v, textio::Units& u) {
  // The title, whose first character is its record's control character.
  textio::write(u.report, report::kSeparator);
  const std::string TITLE = textio::read_text(u.input, kTitleLength);
  textio::write(u.report, report::kTitle, {TITLE});
  // The counts, checked against the capacities, and their echo.
  read_counts(v, u.input);
  check_capacities(v, u.console);
  echo_counts(v, u.report);
  // The boundary points.
  read_points(v, u);
  // The boundary conditions.
  textio::write(u.report, report::kConditionsHeading);
  for (int I = 1; I <= v.NELEM; ++I) read_node(v, u, I);
  // The internal points, not echoed.
  read_internal_points(v, u.input);
  // Boundaries that cannot be made into elements stop the run here, with
  // the whole input echoed.
  const std::string fault = boundary_fault(v);
  if (!fault.empty()) refuse({&u.console, &u.report}, kFatalError, "(1X, A)", {fault});
}

}  // namespace velda
