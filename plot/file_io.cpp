#include "plot/file_io.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "plot/plot_error.hpp"
#include "textio/read_line.hpp"
#include "textio/replacing_file.hpp"

namespace plot {
namespace {

// Far more than the input or the report of a problem at full capacity.
constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

std::string system_reason() { return errno != 0 ? std::strerror(errno) : "unknown reason"; }

}  // namespace

std::string read_file(const std::string& path, const std::string& role) {
  const std::string what = "the " + role + " '" + path + "'";
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw PlotError("cannot read " + what + ": it is a folder");
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw PlotError("cannot open " + what + ": " + system_reason());
  // Line by line, as the program reads, so that no file (not even an endless
  // one) is held beyond the bounds.
  std::string bytes, line;
  for (int number = 1;; ++number) {
    errno = 0;
    switch (textio::read_line(file, line)) {
      case textio::LineRead::kEnd:
        return bytes;
      case textio::LineRead::kError:
        throw PlotError("cannot read " + what + ": " + system_reason());
      case textio::LineRead::kTooLong:
        throw PlotError("cannot read " + what + ": line " + std::to_string(number) +
                        " is longer than " + std::to_string(textio::kMaxLineLength) +
                        " characters");
      case textio::LineRead::kLine:
        break;
    }
    if (bytes.size() + line.size() >= kMaxFileSize)
      throw PlotError("cannot read " + what + ": it is larger than " +
                      std::to_string(kMaxFileSize >> 20) + " MiB");
    bytes.append(line).push_back('\n');
  }
}

void write_file(const std::string& path, const std::string& bytes) {
  std::string why;
  const auto file = textio::replacing_file(path, why);
  if (!file) throw PlotError("cannot create the picture '" + path + "': " + why);
  file->stream() << bytes;
  if (!file->keep(why)) throw PlotError("cannot write the picture '" + path + "': " + why);
}

}  // namespace plot
