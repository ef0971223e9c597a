// parallel_for carries the exceptions and floating-point exception flags of its
// workers back to the caller.
#include "lib/parallel.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cfenv>
#include <chrono>
#include <limits>
#include <stdexcept>
#include <thread>

namespace {

// Runs the test body with `threads` threads, then gives the machine's back.
class ThreadCount {
 public:
  explicit ThreadCount(int threads) { lib::testing::override_thread_count(threads); }
  ~ThreadCount() { lib::testing::override_thread_count(0); }
};

// Holds each item until `count` items have started, so that each thread
// takes exactly one (or gives up after a while and lets the test fail).
class StartTogether {
 public:
  explicit StartTogether(int count) : count_(count) {}
  void arrive() {
    ++arrived_;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (arrived_.load() < count_ && std::chrono::steady_clock::now() < give_up)
      std::this_thread::yield();
  }

 private:
  const int count_;
  std::atomic<int> arrived_{0};
};

// Raises the overflow flag on the calling thread.
void overflow() {
  volatile double huge = std::numeric_limits<double>::max();
  volatile double result = huge * 2.0;
  (void)result;
}

// The driver checks the flags on its own thread after each step: an overflow
// on a worker must show there.
TEST(ParallelFor, FlagsRaisedOnAWorkerAreRaisedOnTheCaller) {
  const int threads = 2;
  const ThreadCount use(threads);
  const std::thread::id caller = std::this_thread::get_id();
  StartTogether start(threads);
  std::atomic<bool> raised_on_worker{false};
  std::feclearexcept(FE_ALL_EXCEPT);
  lib::parallel_for(threads, 1, [&](int, int) {
    start.arrive();
    if (std::this_thread::get_id() == caller) return;
    overflow();
    raised_on_worker = true;
  });
  ASSERT_TRUE(raised_on_worker);
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO));
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(ParallelFor, FlagsTheCallerRaisedBeforeStayRaised) {
  const ThreadCount use(2);
  std::feclearexcept(FE_ALL_EXCEPT);
  overflow();
  lib::parallel_for(8, 1, [](int, int) {});
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(ParallelFor, AnExceptionFromAnyItemReachesTheCaller) {
  for (int threads : {1, 2, 4}) {
    const ThreadCount use(threads);
    std::atomic<int> started{0};
    EXPECT_THROW(lib::parallel_for(100, 1,
                                   [&](int first, int) {
                                     ++started;
                                     if (first == 37) throw std::runtime_error("item 37");
                                   }),
                 std::runtime_error);
    EXPECT_GE(started.load(), 38);  // items handed out before it still ran
  }
}

}  // namespace
