#include "tests/support/run_program.hpp"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace velda_test {
namespace {

constexpr int kTimeLimitSeconds = 60;  // a run that takes longer has hung, and is killed

// text as one word for the shell, inside single quotes.
std::string quoted(const std::string& text) {
  std::string q(1, '\'');
  for (char c : text) {
    if (c == '\'')
      q.append("'\\''");
    else
      q.push_back(c);
  }
  q.push_back('\'');
  return q;
}

std::string slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

Folder::Folder() {
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() / ("velda-test-" + std::to_string(seed()));
  std::filesystem::create_directories(path_);
}

Folder::~Folder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void Folder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string Folder::read(const std::string& name) const { return slurp(path_ / name); }

bool Folder::exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

Outcome Folder::run(const std::vector<std::string>& args, const std::string& typed) const {
  write(".typed", typed);
  std::string command("cd ");
  command.append(quoted(path_.string())).append(" && timeout -s KILL ");
  command.append(std::to_string(kTimeLimitSeconds)).append(1, ' ').append(quoted(VELDA_EXE));
  for (const std::string& arg : args) command.append(1, ' ').append(quoted(arg));
  command.append(" < .typed > .stdout 2> .stderr");
  const int raw = std::system(command.c_str());
  Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read(".stdout"), read(".stderr")};
  for (const char* scratch : {".typed", ".stdout", ".stderr"})
    std::filesystem::remove(path_ / scratch);
  return outcome;
}

std::string source_file(const std::string& relative) {
  return slurp(std::filesystem::path(VELDA_SOURCE_DIR) / relative);
}

}  // namespace velda_test
