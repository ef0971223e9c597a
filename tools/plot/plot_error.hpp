// Why a picture cannot be drawn: the message the user sees, naming the file
// and what is wrong with it.
#pragma once

#include <stdexcept>
#include <string>

namespace plot {

struct PlotError : std::runtime_error {
  explicit PlotError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace plot
