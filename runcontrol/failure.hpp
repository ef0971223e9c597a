// How a run ends early: a stop with a message, or a failure report.
//
// Both are exceptions that unwind to the driver, which writes what the user
// sees and closes the channels; no step ends the process itself.
#pragma once

#include <exception>
#include <string>
#include <vector>

namespace runcontrol {

// A stop: "Stop - Program terminated." or the given message, exit status 0.
struct Stop {
  std::string message;  // empty: the plain stop
  std::string reason;   // why the input is refused, as the run said it; empty for the plain stop
};

[[noreturn]] void stop(std::string message = {}, std::string reason = {});

// The place in the source where a failure was raised, taken at the call site
// like std::source_location::current(). The builtins are those that GCC and
// clang share: clang 14 with libstdc++ has no std::source_location, and the
// fuzzing build needs clang.
class SourcePosition {
 public:
  static constexpr SourcePosition current(const char* file = __builtin_FILE(),
                                          unsigned line = __builtin_LINE()) {
    return SourcePosition(file, line);
  }
  constexpr const char* file_name() const { return file_; }
  constexpr unsigned line() const { return line_; }

 private:
  constexpr SourcePosition(const char* file, unsigned line) : file_(file), line_(line) {}
  const char* file_;
  unsigned line_;
};

// What a failure report names as the failing statement.
enum class Statement { OPEN, READ, WRITE, CLOSE, ARITHMETIC, ALLOCATE, INTERNAL };

// A failure of input, output, arithmetic or memory: a failure report on
// standard error and exit status 1.
class Failure : public std::exception {
 public:
  Failure(Statement statement, std::string channel, std::string reason,
          SourcePosition where = SourcePosition::current());

  const char* what() const noexcept override { return reason_.c_str(); }
  Statement statement() const { return statement_; }
  const std::string& channel() const { return channel_; }
  const std::string& reason() const { return reason_; }

  // The report: an empty line, the failing statement with its source
  // position and failure code, "- " and the reason, then the traceback of
  // the routines active when it failed, innermost first. Lines end in CR LF.
  // Bytes of the channel and the reason that are not printable are shown as
  // \xNN: they may quote the input and file names.
  std::string report() const;

 private:
  Statement statement_;
  std::string channel_;  // unit or file, as shown in parentheses
  std::string reason_;
  std::string file_;
  unsigned line_;
  std::vector<const char*> traceback_;
};

// How a failure report names a channel: "console", or the unit and its file.
std::string channel_name(int unit, const std::string& file);

// `what`, then ": " and the system's reason (errno) when the call that just
// failed gave one, e.g. "the file could not be written: No space left on
// device". Set errno to 0 before the call.
std::string with_system_reason(std::string what);

// Names a routine in the traceback of any failure while it is active.
class Routine {
 public:
  explicit Routine(const char* name);
  ~Routine();
  Routine(const Routine&) = delete;
  Routine& operator=(const Routine&) = delete;
};

// Called in a handler: the failure report of an internal error for the
// exception being handled, which is neither a Failure nor a Stop (a fault of
// the program, such as a bad layout text), naming the innermost routine
// active.
Failure internal_error(SourcePosition where = SourcePosition::current());

// Ends the run with an arithmetic failure report when a floating-point
// division by zero, overflow or invalid operation has happened since the
// flags were last cleared.
void check_arithmetic(SourcePosition where = SourcePosition::current());

}  // namespace runcontrol
