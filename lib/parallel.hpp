// Independent pieces of work shared out over the machine's threads: a pool
// of worker threads, started by the first call and kept for the rest of the
// process, so that the fifty panels of a solve, the assembly rows and the
// internal points do not each start and join their own threads.
//
// Every item is computed by exactly the operations it would get on one
// thread; only which thread does it changes, so results never depend on the
// thread count. Floating-point exception flags are per thread: those raised
// on a worker are raised again on the calling thread before parallel_for
// returns, so a check of the flags after it sees them all.
#pragma once

#include <functional>

namespace lib {

// The threads parallel_for runs on: one per hardware thread of the machine.
int thread_count();

// Calls body(first, last) for consecutive ranges [first, last) that together
// cover [0, count) once, each at most `grain` items long, handed out in turn
// to whichever thread is free. The calling thread works too. An exception
// thrown by body is rethrown here once every thread has stopped. Calls from
// several threads take turns; a call from inside body runs on its caller's
// thread alone.
void parallel_for(int count, int grain, const std::function<void(int first, int last)>& body);

namespace testing {

// Tests only: run parallel_for on `threads` threads; 0 restores the
// machine's count.
void override_thread_count(int threads);

}  // namespace testing
}  // namespace lib
