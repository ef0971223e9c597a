#include "2D/driver.hpp"

#include <cfenv>

#include "2D/GETFNAMES.hpp"
#include "lib/DPVT.hpp"
#include "report/format.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/run_end.hpp"
#include "textio/layout.hpp"

namespace velda {
namespace {

// Runs one step under its routine's name. A floating-point division by zero,
// overflow or invalid operation in it ends the run with a failure report, so
// that no result that is not a finite number reaches the report; so does any
// exception other than a stop or a failure, as an internal error of the step.
template <typename Body>
void step(const char* routine, Body body) {
  const runcontrol::Routine active(routine);
  std::feclearexcept(FE_ALL_EXCEPT);
  try {
    body();
  } catch (const runcontrol::Stop&) {
    throw;
  } catch (const runcontrol::Failure&) {
    throw;
  } catch (...) {
    throw runcontrol::internal_error();
  }
  runcontrol::check_arithmetic();
}

// Solves AMAT x = DPOTB in place. An exactly zero pivot means the system has
// no unique solution: the run ends with a failure report saying so.
void solve(Velda& v, int& IER) {
  try {
    lib::DPVT(v.AMAT.data(), v.DPOTB.data(), v.NELEM, 1, MAXEL, kPivotTolerance, IER);
  } catch (const lib::SingularMatrix& singular) {
    throw runcontrol::Failure(
        runcontrol::Statement::ARITHMETIC, "singular system",
        "the system of equations is singular: its pivot at elimination stage " +
            std::to_string(singular.stage) +
            " is exactly zero (do two boundaries lie on each other?)");
  }
}

}  // namespace

int run(Velda& v, std::span<const std::string> args, const Console& console,
        runcontrol::FileSystem& files) {
  textio::Units u;
  u.keyboard.connect(console.in, 0, {});
  u.console.connect(console.out, 0, {});
  const runcontrol::Routine routine("main");
  try {
    // 1. The problem is read from unit 5, the report written to unit 6.
    v.input_unit = kInputUnit;
    v.report_unit = kReportUnit;
    // 2. The banner.
    textio::write(u.console, R"((1X, "VELDA"))");
    // 3. The two file names, from the command line or the console.
    std::string INFILE, OUTFILE;
    step("GETFNAMES", [&] { GETFNAMES(INFILE, OUTFILE, args, u); });
    // 4. The input file, which must exist, and the report file, which must
    // not be the input, written to replace any file of its name when the
    // run ends.
    runcontrol::open_input(u, files, v.input_unit, file_name(INFILE));
    runcontrol::open_report(u, files, v.report_unit, file_name(OUTFILE), file_name(INFILE));
    // 5. Read, check and echo the problem.
    step("INPUMPC", [&] { INPUMPC(v, u); });
    // 6. Elements, nodes, lengths and tangents.
    step("GEOM", [&] { GEOM(v); });
    // 7. The system of equations.
    textio::write(u.console, R"((1X, "Now Calculating G and H"))");
    step("GHMAMPC", [&] { GHMAMPC(v); });
    // 8. Its solution; a small pivot is noted in the report.
    textio::write(u.console, R"((1X, "Now Solving"))");
    int IER = 0;
    step("DPVT", [&] { solve(v, IER); });
    if (IER != 0) textio::write(u.report, report::kPivotWarning, {IER});
    // 9. Potential and normal derivative at every node, the internal
    // points, the results and the currents.
    step("REORDER", [&] { REORDER(v); });
    step("INTEMPC", [&] { INTEMPC(v); });
    step("OUTPMPC", [&] { OUTPMPC(v, u); });
    step("CURRENT", [&] { CURRENT(v, u); });
    // 10. Close the input file, then the report file, and stop.
    u.input.close();
    u.report.close();
    runcontrol::stop();
  } catch (const runcontrol::Stop& stop) {
    return runcontrol::end_with_stop(u, stop, console.error);
  } catch (const runcontrol::Failure& failure) {
    return runcontrol::end_with_failure(u, failure, console.error);
  } catch (...) {
    // Thrown outside the steps: an internal error too, never an abort.
    return runcontrol::end_with_failure(u, runcontrol::internal_error(), console.error);
  }
}

}  // namespace velda
