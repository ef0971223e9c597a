// The command line of velda-plot: INPUT [REPORT] [-o PICTURE.svg].
#pragma once

#include <span>
#include <string>
#include <variant>

namespace plot {

struct Request {
  std::string input;
  std::string report;   // empty: draw the problem only
  std::string picture;  // the input's name with .svg unless -o gives one
};
struct HelpWanted {};
struct UsageError {
  std::string message;
};

// The arguments after the program's name.
std::variant<Request, HelpWanted, UsageError> parse_command_line(std::span<const std::string> args);

// The input's name with its extension, if any, replaced by .svg.
std::string default_picture_name(const std::string& input);

// What --help prints.
std::string help_text();

}  // namespace plot
