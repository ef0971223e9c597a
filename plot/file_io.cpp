#include "plot/file_io.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "plot/plot_error.hpp"

namespace plot {
namespace {

std::string system_reason() { return errno != 0 ? std::strerror(errno) : "unknown reason"; }

}  // namespace

std::string read_file(const std::string& path, const std::string& role) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw PlotError("cannot read the " + role + " '" + path + "': it is a folder");
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw PlotError("cannot open the " + role + " '" + path + "': " + system_reason());
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad())
    throw PlotError("cannot read the " + role + " '" + path + "': " + system_reason());
  return bytes.str();
}

void write_file(const std::string& path, const std::string& bytes) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw PlotError("cannot create the picture '" + path + "': " + system_reason());
  file << bytes;
  file.close();
  if (!file) throw PlotError("cannot write the picture '" + path + "': " + system_reason());
}

}  // namespace plot
