#include "runcontrol/memory_files.hpp"

namespace runcontrol {

void MemoryFiles::add(const std::string& name, const std::string& bytes) {
  files_[name] = std::stringbuf(bytes);
}

std::string MemoryFiles::contents(const std::string& name) const {
  const auto file = files_.find(name);
  return file == files_.end() ? std::string() : file->second.str();
}

std::unique_ptr<std::istream> MemoryFiles::open_existing(const std::string& name,
                                                         std::string& why) {
  const auto file = files_.find(name);
  if (file == files_.end()) {
    why = "the file does not exist";
    return nullptr;
  }
  return std::make_unique<std::istringstream>(file->second.str());
}

std::unique_ptr<OutputFile> MemoryFiles::create(const std::string& name, std::string&) {
  files_[name] = std::stringbuf();
  return std::make_unique<BufferFile>(files_[name]);
}

}  // namespace runcontrol
