#include "2D/memory_run.hpp"

#include <memory>
#include <sstream>

#include "2D/driver.hpp"

namespace velda_test {
namespace {

// Files kept in a map. A report stream writes its bytes back into the map
// when it is destroyed, as a file on disk holds them after the run.
class MemoryFiles : public textio::FileSystem {
 public:
  explicit MemoryFiles(std::map<std::string, std::string>& files) : files_(files) {}

  std::unique_ptr<std::istream> open_existing(const std::string& name, std::string& why) override {
    const auto file = files_.find(name);
    if (file == files_.end()) {
      why = "the file does not exist";
      return nullptr;
    }
    return std::make_unique<std::istringstream>(file->second);
  }

  std::unique_ptr<std::ostream> create(const std::string& name, std::string&) override {
    files_[name].clear();
    return std::make_unique<WriteBack>(files_[name]);
  }

 private:
  class WriteBack : public std::ostringstream {
   public:
    explicit WriteBack(std::string& file) : file_(file) {}
    ~WriteBack() override { file_ = str(); }

   private:
    std::string& file_;
  };

  std::map<std::string, std::string>& files_;
};

}  // namespace

MemoryRun run_in_memory(const std::string& input, const std::vector<std::string>& args,
                        const std::string& typed, std::map<std::string, std::string> files) {
  MemoryRun result;
  result.files = std::move(files);
  result.files["IN"] = input;
  {
    std::istringstream console_in(typed);
    std::ostringstream console_out, error;
    MemoryFiles disk(result.files);
    const auto state = std::make_unique<velda::Velda>();
    result.status = velda::run(*state, args, {console_in, console_out, error}, disk);
    result.console = console_out.str();
    result.error = error.str();
  }
  return result;
}

}  // namespace velda_test
