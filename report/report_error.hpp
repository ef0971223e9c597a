// Why a file cannot be read as a report (or at all): the message the user
// sees, naming the file, the line and what is wrong there.
#pragma once

#include <stdexcept>
#include <string>

namespace report {

struct ReportError : std::runtime_error {
  explicit ReportError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace report
