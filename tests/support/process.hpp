// The built program run as a child process that the test controls: started
// in a folder, with limits, signalled, waited for.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// A test writes a few megabytes at most, and so does a run of a program it
// starts; a fault that makes either write without end stops at this size
// instead of filling the disk. tests/support/main.cpp bounds the tests by it.
inline constexpr rlim_t kTestFileSize = rlim_t{64} << 20;

struct Launch {
  std::vector<std::string> args;
  std::string input = "/dev/null";     // standard input, relative to the folder
  rlim_t file_size = kTestFileSize;    // bytes; writes beyond fail with EFBIG, as on a full disk
  rlim_t memory = RLIM_INFINITY;       // bytes of address space
  rlim_t cpu_seconds = RLIM_INFINITY;  // processor time; past it the run has hung, and is killed
  std::string program = VELDA_EXE;     // or a tool built beside it
};

struct Outcome {
  int status;         // exit status, or 128 + the signal that ended it: an abort, a time limit
  std::string out;    // standard output
  std::string error;  // standard error
};

class Child {
 public:
  Child(const std::filesystem::path& folder, const Launch& launch);
  Outcome wait();
  void signal(int number) const;

 private:
  std::filesystem::path out_file_, error_file_;
  pid_t pid_;
};

inline Outcome run(const std::filesystem::path& folder, const Launch& launch) {
  return Child(folder, launch).wait();
}

}  // namespace test_support
