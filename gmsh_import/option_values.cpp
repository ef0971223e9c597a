#include "gmsh_import/option_values.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace gmsh_import {
namespace {

// NAME=VALUE split at its first '=', or nothing.
std::optional<std::pair<std::string, std::string>> pair_of(const std::string& text) {
  const std::size_t eq = text.find('=');
  if (eq == 0 || eq == std::string::npos) return std::nullopt;
  return std::pair(text.substr(0, eq), text.substr(eq + 1));
}

}  // namespace

bool parse_number(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && errno == 0 && std::isfinite(value);
}

bool is_model_option(const std::string& option) { return option == "--set" || option == "--bc"; }

std::string add_model_option(const std::string& option, const std::string& value,
                             Options& options) {
  const auto pair = pair_of(value);
  if (option == "--bc") {
    if (!pair) return "--bc needs NAME=RECORD";
    options.conditions[pair->first] = pair->second;
    return "";
  }
  double number = 0.0;
  if (!pair || !parse_number(pair->second, number)) return "--set needs NAME=VALUE with a number";
  options.numbers.emplace_back(pair->first, number);
  return "";
}

}  // namespace gmsh_import
