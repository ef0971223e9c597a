// parallel_for: every item once, on workers kept from call to call, exceptions and
// floating-point exception flags of the workers carried back to the caller.
#include "lib/parallel.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <chrono>
#include <limits>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

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

TEST(ParallelFor, EveryItemIsDoneExactlyOnce) {
  for (int threads : {1, 2, 5})
    for (int count : {0, 1, 7, 64, 1001})
      for (int grain : {1, 3, 64}) {
        SCOPED_TRACE(std::to_string(threads) + " threads, " + std::to_string(count) +
                     " items, grain " + std::to_string(grain));
        const ThreadCount use(threads);
        std::vector<std::atomic<int>> done(count);
        lib::parallel_for(count, grain, [&](int first, int last) {
          EXPECT_LE(last - first, grain);
          for (int i = first; i < last; ++i) ++done[i];
        });
        for (int i = 0; i < count; ++i) EXPECT_EQ(done[i].load(), 1) << "item " << i;
      }
}

TEST(ParallelFor, RunsOnTheRequestedNumberOfThreadsKeptFromCallToCall) {
  const int threads = 3;
  const ThreadCount use(threads);
  StartTogether start(threads);
  std::vector<std::thread::id> ids(threads);
  lib::parallel_for(threads, 1, [&](int first, int) {
    start.arrive();
    ids[first] = std::this_thread::get_id();
  });
  EXPECT_NE(ids[0], ids[1]);
  EXPECT_NE(ids[1], ids[2]);
  EXPECT_NE(ids[0], ids[2]);
  // The workers are kept: a second call, and one nested in an item (which
  // runs on its caller's thread alone), find the same threads.
  std::vector<std::thread::id> again(threads);
  StartTogether restart(threads);
  lib::parallel_for(threads, 1, [&](int first, int) {
    restart.arrive();
    again[first] = std::this_thread::get_id();
    lib::parallel_for(2, 1, [&](int, int) { EXPECT_EQ(std::this_thread::get_id(), again[first]); });
  });
  std::sort(ids.begin(), ids.end());
  std::sort(again.begin(), again.end());
  EXPECT_EQ(again, ids);
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
