#include "runcontrol/files.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "runcontrol/failure.hpp"

namespace runcontrol {

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

std::unique_ptr<OutputFile> DiskFiles::create(const std::string& name, std::string& why) {
  return replacing_file(name, why);
}

bool DiskFiles::same_file(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

void open_input(textio::Units& units, FileSystem& files, int unit, const std::string& name) {
  std::string why;
  units.input_file = files.open_existing(name, why);
  if (!units.input_file) throw Failure(Statement::OPEN, channel_name(unit, name), why);
  units.input.connect(*units.input_file, unit, name);
}

void open_report(textio::Units& units, FileSystem& files, int unit, const std::string& name,
                 const std::string& input_name) {
  if (files.same_file(name, input_name))
    throw Failure(Statement::OPEN, channel_name(unit, name),
                  "this is the input file: the report would destroy it; name another report file");
  std::string why;
  units.report_file = files.create(name, why);
  if (!units.report_file) throw Failure(Statement::OPEN, channel_name(unit, name), why);
  units.report.connect(units.report_file->stream(), unit, name);
}

}  // namespace runcontrol
