#include "report/read_file.hpp"

#include <cerrno>
#include <vector>

#include "report/report_error.hpp"
#include "runcontrol/failure.hpp"
#include "runcontrol/files.hpp"
#include "textio/read_line.hpp"

namespace report {
namespace {

constexpr std::size_t kBlockSize = std::size_t{64} << 10;

}  // namespace

std::string read_file(const std::string& path, const std::string& role) {
  const std::string what = "the " + role + " '" + path + "'";
  std::string why;
  const auto file = runcontrol::DiskFiles().open_existing(path, why);
  if (!file) throw ReportError("cannot open " + what + ": " + why);
  // In blocks, counting the length of each line on the way, so that no
  // file (not even an endless one) is held beyond the bounds.
  std::string bytes;
  std::vector<char> block(kBlockSize);
  std::size_t line = 1, length = 0;  // the line being read and its length so far
  for (;;) {
    errno = 0;
    file->read(block.data(), static_cast<std::streamsize>(block.size()));
    const auto got = static_cast<std::size_t>(file->gcount());
    if (got == 0) break;
    for (std::size_t i = 0; i < got; ++i) {
      length = block[i] == '\n' ? 0 : length + 1;
      line += block[i] == '\n' ? 1 : 0;
      if (length > textio::kMaxLineLength)
        throw ReportError("cannot read " + what + ": line " + std::to_string(line) +
                          " is longer than " + std::to_string(textio::kMaxLineLength) +
                          " characters");
    }
    if (bytes.size() + got > kMaxFileSize)
      throw ReportError("cannot read " + what + ": it is larger than " +
                        std::to_string(kMaxFileSize >> 20) + " MiB");
    bytes.append(block.data(), got);
  }
  if (file->bad()) throw ReportError(runcontrol::with_system_reason("cannot read " + what));
  return bytes;
}

}  // namespace report
