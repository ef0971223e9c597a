#include "tests/support/process.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace test_support {
namespace {

// In the child: standard input, output and error, the limits, then the program.
[[noreturn]] void exec_program(const std::filesystem::path& folder, const Launch& launch,
                               const std::string& out_file, const std::string& error_file) {
  if (chdir(folder.c_str()) != 0) _exit(127);
  const int in = open(launch.input.c_str(), O_RDONLY);
  const int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = open(error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0 || err < 0) _exit(127);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit file_size{launch.file_size, launch.file_size};
  const rlimit memory{launch.memory, launch.memory};
  const rlimit cpu{launch.cpu_seconds, launch.cpu_seconds};
  setrlimit(RLIMIT_FSIZE, &file_size);
  setrlimit(RLIMIT_AS, &memory);
  setrlimit(RLIMIT_CPU, &cpu);
  std::vector<char*> argv{const_cast<char*>(launch.program.c_str())};
  for (const std::string& arg : launch.args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(launch.program.c_str(), argv.data());
  _exit(127);
}

}  // namespace

Child::Child(const std::filesystem::path& folder, const Launch& launch) {
  static int count = 0;
  const std::string stem = std::to_string(getpid()) + "-" + std::to_string(++count);
  out_file_ = std::filesystem::temp_directory_path() / ("velda-stdout-" + stem);
  error_file_ = std::filesystem::temp_directory_path() / ("velda-stderr-" + stem);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) exec_program(folder, launch, out_file_.string(), error_file_.string());
}

void Child::signal(int number) const { kill(pid_, number); }

Outcome Child::wait() {
  int raw = 0;
  waitpid(pid_, &raw, 0);
  std::ostringstream out, error;
  out << std::ifstream(out_file_).rdbuf();
  error << std::ifstream(error_file_).rdbuf();
  std::filesystem::remove(out_file_);
  std::filesystem::remove(error_file_);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw), out.str(), error.str()};
}

}  // namespace test_support
