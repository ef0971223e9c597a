// A fault of the program inside a step ends the run with a failure report,
// never an abort.
#include "2D/driver.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <streambuf>

namespace {

// A console whose reading throws what no step expects, as a bad layout text
// or a wrong value type would.
struct FaultyKeyboard : std::streambuf {
  int_type underflow() override { throw std::logic_error("injected fault"); }
};

TEST(Driver, AnUnexpectedExceptionInAStepEndsWithAFailureReport) {
  FaultyKeyboard faulty;
  std::istream typed(&faulty);
  typed.exceptions(std::ios::badbit);  // the stream passes the fault on
  std::ostringstream out, error;
  runcontrol::DiskFiles disk;
  const auto state = std::make_unique<velda::Velda>();
  const std::string args[] = {"velda"};  // the names are asked for: GETFNAMES reads
  EXPECT_EQ(velda::run(*state, args, {typed, out, error}, disk), 1);
  const std::string report = error.str();
  EXPECT_NE(report.find(": INTERNAL(GETFNAMES)\r\n- internal error in GETFNAMES"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("injected fault\r\nExecution traceback:\r\n  GETFNAMES\r\n  main\r\n"),
            std::string::npos)
      << report;
  EXPECT_EQ(out.str().find("Stop"), std::string::npos);
}

}  // namespace
