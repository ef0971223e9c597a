#include "lib/parallel.hpp"

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace lib {
namespace {

std::atomic<int> overridden_thread_count{0};

// Set on the pool's workers, and on a caller while its parallel_for runs: a
// parallel_for called from inside one runs on its caller's thread alone.
thread_local bool inside_parallel_for = false;

// What one thread brings back: the exception flags it raised, and the first
// exception thrown out of the body, if any.
struct Outcome {
  int raised_flags = 0;
  std::exception_ptr error;
};

// One call of parallel_for: the ranges still to hand out and the body.
struct Job {
  int count = 0;
  int grain = 1;
  const std::function<void(int, int)>* body = nullptr;
  std::atomic<int> next{0};
};

// Takes ranges from the job until none is left. Starts with clear flags so
// that only what this thread raised is reported.
Outcome work(Job& job) {
  Outcome outcome;
  std::feclearexcept(FE_ALL_EXCEPT);
  try {
    for (int first = job.next.fetch_add(job.grain); first < job.count;
         first = job.next.fetch_add(job.grain))
      (*job.body)(first, std::min(first + job.grain, job.count));
  } catch (...) {
    outcome.error = std::current_exception();
    job.next.store(job.count);  // the others stop after their current range
  }
  outcome.raised_flags = std::fetestexcept(FE_ALL_EXCEPT);
  return outcome;
}

// Worker threads started once and kept for the life of the process. A job
// wakes the first `helpers` of them; the caller works beside them and waits
// until each has finished its share.
class Pool {
 public:
  ~Pool() {
    {
      const std::lock_guard lock(mutex_);
      closing_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }

  // Starts workers until there are `wanted`, or as many as the system gives.
  int grow_to(int wanted) {
    while (static_cast<int>(workers_.size()) < wanted) {
      const int index = static_cast<int>(workers_.size());
      try {
        workers_.emplace_back([this, index] { serve(index); });
      } catch (const std::system_error&) {
        break;  // no more threads to be had: those running share all the work
      }
    }
    return static_cast<int>(workers_.size());
  }

  // The job on up to `helpers` workers and the calling thread; their
  // outcomes, the caller's first.
  std::vector<Outcome> run(Job& job, int helpers) {
    const std::lock_guard one_job_at_a_time(run_mutex_);
    helpers = std::min(helpers, grow_to(helpers));
    outcomes_.assign(helpers + 1, {});
    {
      const std::lock_guard lock(mutex_);
      job_ = &job;
      helpers_ = helpers;
      busy_ = helpers;
      ++generation_;
    }
    wake_.notify_all();
    outcomes_[0] = work(job);
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return busy_ == 0; });
    job_ = nullptr;
    return outcomes_;
  }

 private:
  void serve(int index) {
    inside_parallel_for = true;
    unsigned long seen = 0;
    for (;;) {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return closing_ || generation_ != seen; });
      if (closing_) return;
      seen = generation_;
      if (index >= helpers_) continue;
      Job& job = *job_;
      lock.unlock();
      Outcome outcome = work(job);
      lock.lock();
      outcomes_[index + 1] = std::move(outcome);
      if (--busy_ == 0) done_.notify_one();
    }
  }

  std::mutex run_mutex_;  // held by the caller of a job
  std::vector<std::thread> workers_;
  std::mutex mutex_;  // guards what follows
  std::condition_variable wake_, done_;
  Job* job_ = nullptr;
  int helpers_ = 0;
  int busy_ = 0;  // helpers still working on the job
  unsigned long generation_ = 0;
  bool closing_ = false;
  std::vector<Outcome> outcomes_;
};

Pool& pool() {
  static Pool the_pool;
  return the_pool;
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
  const int helpers = inside_parallel_for ? 0 : std::min(thread_count(), ranges) - 1;
  // The caller's flags stay as they are; its own share is reported like a
  // helper's and raised again with theirs.
  std::fexcept_t callers_flags;
  std::fegetexceptflag(&callers_flags, FE_ALL_EXCEPT);

  Job job;
  job.count = count;
  job.grain = grain;
  job.body = &body;
  std::vector<Outcome> outcomes;
  if (helpers == 0) {
    outcomes.push_back(work(job));
  } else {
    struct Inside {
      Inside() { inside_parallel_for = true; }
      ~Inside() { inside_parallel_for = false; }
    } inside;
    outcomes = pool().run(job, helpers);
  }

  std::fesetexceptflag(&callers_flags, FE_ALL_EXCEPT);
  for (const Outcome& outcome : outcomes) std::feraiseexcept(outcome.raised_flags);
  for (const Outcome& outcome : outcomes)
    if (outcome.error) std::rethrow_exception(outcome.error);
}

namespace testing {

void override_thread_count(int threads) { overridden_thread_count.store(threads); }

}  // namespace testing
}  // namespace lib
