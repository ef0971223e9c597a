#include "lib/parallel.hpp"

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace lib {
namespace {

std::atomic<int> overridden_thread_count{0};

// What one thread brings back: the exception flags it raised, and the first
// exception thrown out of the body, if any.
struct Outcome {
  int raised_flags = 0;
  std::exception_ptr error;
};

// Takes ranges from `next` until none is left. Starts with clear flags so
// that only what this thread raised is reported.
Outcome work(std::atomic<int>& next, int count, int grain,
             const std::function<void(int, int)>& body) {
  Outcome outcome;
  std::feclearexcept(FE_ALL_EXCEPT);
  try {
    for (int first = next.fetch_add(grain); first < count; first = next.fetch_add(grain))
      body(first, std::min(first + grain, count));
  } catch (...) {
    outcome.error = std::current_exception();
    next.store(count);  // the others stop after their current range
  }
  outcome.raised_flags = std::fetestexcept(FE_ALL_EXCEPT);
  return outcome;
}

}  // namespace

int thread_count() {
  const int overridden = overridden_thread_count.load();
  if (overridden > 0) return overridden;
  return std::max(1u, std::thread::hardware_concurrency());
}

void parallel_for(int count, int grain, const std::function<void(int, int)>& body) {
  if (count <= 0) return;
  const int ranges = (count + grain - 1) / grain;
  const int helpers = std::min(thread_count(), ranges) - 1;
  // The caller's flags stay as they are; its own share is reported like a
  // helper's and raised again with theirs.
  std::fexcept_t callers_flags;
  std::fegetexceptflag(&callers_flags, FE_ALL_EXCEPT);

  std::atomic<int> next{0};
  std::vector<Outcome> outcomes(helpers + 1);
  std::vector<std::thread> threads;
  threads.reserve(helpers);
  for (int t = 1; t <= helpers; ++t) {
    try {
      threads.emplace_back([&, t] { outcomes[t] = work(next, count, grain, body); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: those running share all the work
    }
  }
  outcomes[0] = work(next, count, grain, body);
  for (std::thread& thread : threads) thread.join();

  std::fesetexceptflag(&callers_flags, FE_ALL_EXCEPT);
  for (const Outcome& outcome : outcomes) std::feraiseexcept(outcome.raised_flags);
  for (const Outcome& outcome : outcomes)
    if (outcome.error) std::rethrow_exception(outcome.error);
}

namespace testing {

void override_thread_count(int threads) { overridden_thread_count.store(threads); }

}  // namespace testing
}  // namespace lib
