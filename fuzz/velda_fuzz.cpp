// Fuzzing a whole run: the fuzzer's bytes are the input file, and the run
// reads, checks, solves and reports as the program does, with the console and
// the report going to memory. Under AddressSanitizer, UBSan and asserts, any
// crash, hang, bad memory access or non-finite number written is a finding;
// so is a run that ends without exactly one of a stop (status 0, nothing on
// standard error) or a failure report (status 1).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "2D/driver.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/memory_files.hpp"
#include "runcontrol/run_end.hpp"
#include "textio/free_form.hpp"

namespace {

// Larger problems only repeat the same code paths more slowly.
constexpr int kMaxElements = 64;
constexpr int kMaxInternalPoints = 64;

const std::string kStopLine = std::string(runcontrol::kPlainStop) + "\r\n";

// Whether the counts record asks for more elements or internal points than
// an execution should take. Counts above the capacities pass: they stop the
// run at once. Input whose counts cannot be read passes too.
bool too_large(std::string_view bytes) {
  std::istringstream file{std::string(bytes)};
  textio::InputChannel in;
  in.connect(file, 5, "IN");
  int ISYMX, ISYMY, NELEM, NINTP;
  try {
    in.next_line();  // the title
    textio::FreeFormRead(in) >> ISYMX >> ISYMY >> NELEM >> NINTP;
  } catch (const runcontrol::Failure&) {
    return false;
  }
  return (kMaxElements < NELEM && NELEM <= velda::MAXEL) ||
         (kMaxInternalPoints < NINTP && NINTP <= velda::MAXINT);
}

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (too_large(bytes)) return -1;  // not kept in the corpus

  // One state for every execution: zero-filling 21 MB each time would
  // dominate, and every step writes each entry it later reads.
  static const auto state = std::make_unique<velda::Velda>();
  static const std::string args[] = {"velda", "IN", "OUT"};
  runcontrol::MemoryFiles files;  // the input file IN holds the fuzzer's bytes
  files.add("IN", std::string(bytes));
  std::istringstream typed;
  std::ostringstream console, error;
  const int status = velda::run(*state, args, {typed, console, error}, files);

  const bool stopped = status == 0 && error.str().empty() && ends_with(console.str(), "\r\n");
  // An internal error is a fault of the program, reported rather than
  // crashing: the fuzzer counts it as one.
  const bool failed = status == 1 && error.str().starts_with("\r\n") &&
                      error.str().find(": INTERNAL(") == std::string::npos &&
                      console.str().find(kStopLine) == std::string::npos;
  if (!stopped && !failed) __builtin_trap();
  return 0;
}
