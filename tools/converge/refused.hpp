// Why a study cannot be made: the input is refused, a level cannot be
// built, solved or kept. The message names the thing that is wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace converge {

class Refused : public std::runtime_error {
 public:
  explicit Refused(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace converge
