#include "report/read_file.hpp"

#include <cerrno>

#include "report/report_error.hpp"
#include "textio/failure.hpp"
#include "textio/files.hpp"
#include "textio/read_line.hpp"

namespace report {

std::string read_file(const std::string& path, const std::string& role) {
  const std::string what = "the " + role + " '" + path + "'";
  std::string why;
  const auto file = textio::DiskFiles().open_existing(path, why);
  if (!file) throw ReportError("cannot open " + what + ": " + why);
  // Line by line, as the program reads, so that no file (not even an endless
  // one) is held beyond the bounds.
  std::string bytes, line;
  for (int number = 1;; ++number) {
    errno = 0;
    switch (textio::read_line(*file, line)) {
      case textio::LineRead::kEnd:
        return bytes;
      case textio::LineRead::kError:
        throw ReportError(textio::with_system_reason("cannot read " + what));
      case textio::LineRead::kTooLong:
        throw ReportError("cannot read " + what + ": line " + std::to_string(number) +
                          " is longer than " + std::to_string(textio::kMaxLineLength) +
                          " characters");
      case textio::LineRead::kLine:
        break;
    }
    if (bytes.size() + line.size() >= kMaxFileSize)
      throw ReportError("cannot read " + what + ": it is larger than " +
                        std::to_string(kMaxFileSize >> 20) + " MiB");
    bytes.append(line);
    // A last line without its LF stays without it: a report cut in the
    // middle of a line is told by that.
    if (!file->eof()) bytes.push_back('\n');
  }
}

}  // namespace report
