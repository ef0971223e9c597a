#include "2D/driver.hpp"

#include "2D/GETFNAMES.hpp"
#include "2D/solve_system.hpp"
#include "2D/step.hpp"
#include "report/format.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/run_end.hpp"
#include "textio/layout.hpp"

namespace velda {

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
    step("DPVT", [&] { IER = solve_system(v, v.DPOTB.data(), 1); });
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
