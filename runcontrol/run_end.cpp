#include "runcontrol/run_end.hpp"

#include <string>

namespace runcontrol {
namespace {

void close_all(textio::Units& units) {
  units.keyboard.close();
  units.input.close();
  units.report.close();
  units.console.close();
}

// The report, written whole, takes the place of its name.
void keep_report(textio::Units& units) {
  if (!units.report_file) return;
  units.report.close();
  std::string why;
  const bool kept = units.report_file->keep(why);
  units.report_file.reset();
  if (!kept) throw Failure(Statement::CLOSE, units.report.name(), why);
}

bool report_failed(const textio::Units& units, const Failure& failure) {
  return (failure.statement() == Statement::WRITE || failure.statement() == Statement::CLOSE) &&
         failure.channel() == units.report.name();
}

}  // namespace

int end_with_stop(textio::Units& units, const Stop& stop, std::ostream& error) {
  try {
    keep_report(units);
    units.console.line(stop.message.empty() ? std::string(kPlainStop) : stop.message);
    close_all(units);
  } catch (const Failure& failure) {
    return end_with_failure(units, failure, error);
  } catch (...) {
    return end_with_failure(units, internal_error(), error);
  }
  return kExitStop;
}

int end_with_failure(textio::Units& units, const Failure& failure, std::ostream& error) {
  error << failure.report() << std::flush;
  try {
    if (!report_failed(units, failure)) keep_report(units);
  } catch (const Failure& not_kept) {
    error << not_kept.report() << std::flush;
  } catch (...) {
    error << internal_error().report() << std::flush;
  }
  try {
    close_all(units);
  } catch (...) {
    // Already ending on a failure: a channel that cannot take its last line
    // end adds nothing the user needs.
  }
  units.report_file.reset();  // a report that failed leaves the old one in place
  return kExitFailure;
}

}  // namespace runcontrol
