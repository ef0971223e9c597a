// parallel_for carries the exceptions and floating-point exception flags of its
// workers back to the caller, and keeps its rules for nested calls,
// concurrent callers and a system that gives no more threads.
#include "lib/parallel.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cfenv>
#include <chrono>
#include <fstream>
#include <limits>
#include <memory>
#include <stdexcept>
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

// How many times each item of [0, count) was handed out.
class Hits {
 public:
  explicit Hits(int count) : hits_(std::make_unique<std::atomic<int>[]>(count)), count_(count) {}
  void add(int first, int last) {
    for (int k = first; k < last; ++k) ++hits_[k];
  }
  bool each_once() const {
    for (int k = 0; k < count_; ++k)
      if (hits_[k].load() != 1) return false;
    return true;
  }

 private:
  std::unique_ptr<std::atomic<int>[]> hits_;
  int count_;
};

// A call from inside the body, on a worker or on the caller, runs on that
// thread alone and covers its items once; handing it to the busy pool would
// wait for ever on the call that contains it.
TEST(ParallelFor, ANestedCallRunsOnItsCallersThreadAlone) {
  const int threads = 2, inner = 50;
  const ThreadCount use(threads);
  StartTogether start(threads);
  std::atomic<int> nested_on_other_thread{0}, outer_items_whole{0};
  lib::parallel_for(threads, 1, [&](int, int) {
    start.arrive();
    const std::thread::id outer = std::this_thread::get_id();
    Hits hits(inner);
    lib::parallel_for(inner, 1, [&](int first, int last) {
      if (std::this_thread::get_id() != outer) ++nested_on_other_thread;
      hits.add(first, last);
    });
    if (hits.each_once()) ++outer_items_whole;
  });
  EXPECT_EQ(nested_on_other_thread.load(), 0);
  EXPECT_EQ(outer_items_whole.load(), threads);
}

// Calls from several threads at once take turns: each gets every one of its
// own items once, none of the other's.
TEST(ParallelFor, ConcurrentCallersEachGetTheirOwnItemsOnce) {
  const ThreadCount use(4);
  const int callers = 3, count = 64, rounds = 100;
  std::vector<std::unique_ptr<Hits>> hits;
  for (int c = 0; c < callers * rounds; ++c) hits.push_back(std::make_unique<Hits>(count));
  StartTogether start(callers);
  std::vector<std::thread> threads;
  for (int c = 0; c < callers; ++c)
    threads.emplace_back([&, c] {
      start.arrive();
      for (int r = 0; r < rounds; ++r) {
        Hits& mine = *hits[static_cast<std::size_t>(c * rounds + r)];
        lib::parallel_for(count, 1, [&](int first, int last) {
          std::this_thread::yield();  // so that the calls overlap
          mine.add(first, last);
        });
      }
    });
  for (std::thread& t : threads) t.join();
  for (const auto& h : hits) EXPECT_TRUE(h->each_once());
}

// When the system gives no more threads (here: no address space for another
// thread's stack), the threads already running share all the work.
TEST(ParallelFor, NoMoreThreadsLeavesTheWorkToThoseRunning) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory needs address space of its own";
#endif
  lib::parallel_for(2, 1, [](int, int) {});  // the pool as far as the machine goes
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  ASSERT_GT(pages, 0);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
  const ThreadCount use(64);
  Hits hits(1000);
  rlimit tight = saved;
  tight.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                   (rlim_t{1} << 20);  // less than one thread's stack
  ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
  bool threw = false;
  try {
    lib::parallel_for(1000, 1, [&](int first, int last) { hits.add(first, last); });
  } catch (...) {
    threw = true;
  }
  setrlimit(RLIMIT_AS, &saved);
  EXPECT_FALSE(threw);
  EXPECT_TRUE(hits.each_once());
}

}  // namespace
