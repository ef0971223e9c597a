// The tests' main: GoogleTest's runner with a bound on the size of every file
// that the tests, and the programs they start, write. A fault that makes a
// run write without end then fails its test instead of filling the disk.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>

#include "tests/support/process.hpp"

int main(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the bound fails with EFBIG, as on a full disk
  rlimit file_size;
  getrlimit(RLIMIT_FSIZE, &file_size);
  file_size.rlim_cur = std::min(file_size.rlim_max, test_support::kTestFileSize);
  setrlimit(RLIMIT_FSIZE, &file_size);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
