#include "textio/files.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "textio/failure.hpp"

namespace textio {

std::unique_ptr<std::istream> DiskFiles::open_existing(const std::string& name, std::string& why) {
  std::error_code error;
  const auto status = std::filesystem::status(name, error);
  if (!std::filesystem::exists(status)) {
    why = "the file does not exist";
    return nullptr;
  }
  if (std::filesystem::is_directory(status)) {
    why = "this is a folder, not a file";
    return nullptr;
  }
  auto file = std::make_unique<std::ifstream>(name, std::ios::binary);
  if (!*file) {
    why = std::string("the file cannot be opened for reading: ") + std::strerror(errno);
    return nullptr;
  }
  return file;
}

std::unique_ptr<std::ostream> DiskFiles::create(const std::string& name, std::string& why) {
  auto file = std::make_unique<std::ofstream>(name, std::ios::binary | std::ios::trunc);
  if (!*file) {
    why = std::string("the file cannot be created or written: ") + std::strerror(errno);
    return nullptr;
  }
  return file;
}

void open_input(Units& units, FileSystem& files, int unit, const std::string& name) {
  std::string why;
  units.input_file = files.open_existing(name, why);
  if (!units.input_file) throw Failure(Statement::OPEN, channel_name(unit, name), why);
  units.input.connect(*units.input_file, unit, name);
}

void open_report(Units& units, FileSystem& files, int unit, const std::string& name) {
  std::string why;
  units.report_file = files.create(name, why);
  if (!units.report_file) throw Failure(Statement::OPEN, channel_name(unit, name), why);
  units.report.connect(*units.report_file, unit, name);
}

}  // namespace textio
