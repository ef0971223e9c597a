#include "runcontrol/failure.hpp"

#include <array>
#include <cassert>
#include <cerrno>
#include <cfenv>
#include <cstring>
#include <iterator>
#include <string_view>

#include "textio/printable.hpp"

namespace runcontrol {
namespace {

constexpr int kMaxDepth = 16;

// The routines active on this thread, outermost first.
thread_local std::array<const char*, kMaxDepth> active_routines;
thread_local int depth = 0;

struct StatementText {
  const char* name;
  int code;
};

// Indexed by Statement, in its order.
constexpr StatementText kStatementTexts[] = {{"OPEN", 10},    {"READ", 20},       {"WRITE", 30},
                                             {"CLOSE", 40},   {"ARITHMETIC", 50}, {"ALLOCATE", 60},
                                             {"INTERNAL", 90}};
static_assert(std::size(kStatementTexts) == static_cast<std::size_t>(Statement::INTERNAL) + 1);

StatementText text_of(Statement statement) { return kStatementTexts[static_cast<int>(statement)]; }

// The source file as folder/file, without the build machine's path.
std::string short_file_name(std::string_view path) {
  const auto last = path.rfind('/');
  if (last == std::string_view::npos || last == 0) return std::string(path);
  const auto folder = path.rfind('/', last - 1);
  return std::string(path.substr(folder == std::string_view::npos ? 0 : folder + 1));
}

}  // namespace

std::string channel_name(int unit, const std::string& file) {
  if (unit == 0) return "console";
  return "unit=" + std::to_string(unit) + ", file=" + file;
}

std::string with_system_reason(std::string what) {
  if (errno != 0) what += std::string(": ") + std::strerror(errno);
  return what;
}

void stop(std::string message, std::string reason) {
  throw Stop{std::move(message), std::move(reason)};
}

Failure::Failure(Statement statement, std::string channel, std::string reason, SourcePosition where)
    : statement_(statement),
      channel_(std::move(channel)),
      reason_(std::move(reason)),
      file_(short_file_name(where.file_name())),
      line_(where.line()),
      traceback_(active_routines.begin(), active_routines.begin() + depth) {}

std::string Failure::report() const {
  const StatementText failing = text_of(statement_);
  std::string text = "\r\n";
  text += file_ + ":" + std::to_string(line_) + ": run-time error " + std::to_string(failing.code) +
          ": " + failing.name + "(" + textio::printable(channel_) + ")\r\n";
  text += "- " + textio::printable(reason_) + "\r\n";
  text += "Execution traceback:\r\n";
  for (auto routine = traceback_.rbegin(); routine != traceback_.rend(); ++routine)
    text += std::string("  ") + *routine + "\r\n";
  return text;
}

Routine::Routine(const char* name) {
  assert(depth < kMaxDepth);
  active_routines[depth++] = name;
}

Routine::~Routine() { --depth; }

Failure internal_error(SourcePosition where) {
  const std::string routine = depth > 0 ? active_routines[depth - 1] : "the program";
  std::string what = "an exception of unknown type";
  try {
    throw;
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  return Failure(Statement::INTERNAL, routine,
                 "internal error in " + routine + ", a fault of the program: " + what, where);
}

void check_arithmetic(SourcePosition where) {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  if (raised == 0) return;
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_INVALID)
    throw Failure(Statement::ARITHMETIC, "invalid operation",
                  "a result is not a number (an invalid floating-point operation)", where);
  if (raised & FE_DIVBYZERO)
    throw Failure(Statement::ARITHMETIC, "division by zero", "a floating-point division by zero",
                  where);
  throw Failure(Statement::ARITHMETIC, "overflow",
                "a result is too large for a real number (floating-point overflow)", where);
}

}  // namespace runcontrol
