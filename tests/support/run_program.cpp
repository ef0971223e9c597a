#include "tests/support/run_program.hpp"

#include <fstream>
#include <random>
#include <sstream>

namespace test_support {
namespace {

constexpr int kTimeLimitSeconds = 60;  // of processor time

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
  Launch launch{args, ".typed"};
  launch.cpu_seconds = kTimeLimitSeconds;
  Outcome outcome = test_support::run(path_, launch);
  std::filesystem::remove(path_ / ".typed");
  return outcome;
}

std::string source_file(const std::string& relative) { return slurp(source_path(relative)); }

std::string source_path(const std::string& relative) {
  return std::string(VELDA_SOURCE_DIR) + "/" + relative;
}

}  // namespace test_support
