#include "2D/memory_run.hpp"

#include <map>
#include <memory>
#include <sstream>

#include "2D/driver.hpp"
#include "tests/support/buffer_file.hpp"

namespace velda_test {
namespace {

// The input file IN, and the files created, each written into a buffer of
// its own that holds its bytes after the run as the disk would.
struct MemoryFiles : textio::FileSystem {
  std::string input;
  std::map<std::string, std::stringbuf> created;

  std::unique_ptr<std::istream> open_existing(const std::string& name, std::string& why) override {
    if (name == "IN") return std::make_unique<std::istringstream>(input);
    why = "the file does not exist";
    return nullptr;
  }
  std::unique_ptr<textio::OutputFile> create(const std::string& name, std::string&) override {
    created[name] = std::stringbuf();
    return std::make_unique<test_support::BufferFile>(created[name]);
  }
};

}  // namespace

MemoryRun run_in_memory(const std::string& input) {
  MemoryFiles disk;
  disk.input = input;
  std::istringstream typed;
  std::ostringstream console, error;
  const auto state = std::make_unique<velda::Velda>();
  const std::string args[] = {"velda", "IN", "OUT"};
  const int status = velda::run(*state, args, {typed, console, error}, disk);
  return {status, console.str(), error.str(), disk.created["OUT"].str()};
}

}  // namespace velda_test
