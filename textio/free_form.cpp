#include "textio/free_form.hpp"

#include <cctype>
#include <charconv>
#include <string>

#include "runcontrol/failure.hpp"

namespace textio {
namespace {

constexpr std::size_t kShownValueLength = 40;  // of a bad value quoted in a failure report

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_separator(char c) { return is_blank(c) || c == ','; }
bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Length of the run of digits at the start of s.
std::size_t digits(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && is_digit(s[n])) ++n;
  return n;
}

bool is_integer(std::string_view s) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  return !s.empty() && digits(s) == s.size();
}

// [sign] (digits [. digits] | . digits) [(E|D) [sign] digits], either case.
// Sets `exponent_at` to the position of the exponent letter, or npos.
bool is_real(std::string_view s, std::size_t& exponent_at) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t whole = digits(s.substr(i));
  i += whole;
  std::size_t fraction = 0;
  if (i < s.size() && s[i] == '.') {
    fraction = digits(s.substr(i + 1));
    i += 1 + fraction;
  }
  if (whole + fraction == 0) return false;
  exponent_at = std::string_view::npos;
  if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
    exponent_at = i++;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t power = digits(s.substr(i));
    if (power == 0) return false;
    i += power;
  }
  return i == s.size();
}

// The failure for a value of the current line that cannot be taken, e.g.
// "1.5x" in line 3 is not a real number.
runcontrol::Failure bad_value(const InputChannel& in, std::string_view value, const char* problem) {
  std::string text(value.substr(0, kShownValueLength));
  if (value.size() > kShownValueLength) text += "...";
  return runcontrol::Failure(
      runcontrol::Statement::READ, in.name(),
      "\"" + text + "\" in line " + std::to_string(in.line_number()) + problem);
}

constexpr const char* kNotInteger = " is not an integer";
constexpr const char* kIntegerRange = " is out of the range of integers";
constexpr const char* kNotReal = " is not a real number";
constexpr const char* kRealRange = " is out of the range of real numbers";

}  // namespace

FreeFormRead::FreeFormRead(InputChannel& in) : in_(in), rest_(in.next_line()) {}

std::string_view FreeFormRead::next_value(const char* kind) {
  bool after_comma = false;
  for (;;) {
    while (!rest_.empty() && is_blank(rest_.front())) rest_.remove_prefix(1);
    if (rest_.empty()) {
      rest_ = in_.next_line();  // a line end separates like a blank
      continue;
    }
    if (rest_.front() != ',') break;
    if (after_comma || first_value_)
      throw runcontrol::Failure(runcontrol::Statement::READ, in_.name(),
                                "empty value in line " + std::to_string(in_.line_number()) +
                                    " where " + kind + " was expected");
    after_comma = true;
    rest_.remove_prefix(1);
  }
  std::size_t length = 0;
  while (length < rest_.size() && !is_separator(rest_[length])) ++length;
  const std::string_view value = rest_.substr(0, length);
  rest_.remove_prefix(length);
  first_value_ = false;
  return value;
}

FreeFormRead& FreeFormRead::operator>>(int& target) {
  const std::string_view value = next_value("an integer");
  if (!is_integer(value)) throw bad_value(in_, value, kNotInteger);
  const std::string_view digits_part = value.front() == '+' ? value.substr(1) : value;
  const auto result =
      std::from_chars(digits_part.data(), digits_part.data() + digits_part.size(), target);
  if (result.ec != std::errc()) throw bad_value(in_, value, kIntegerRange);
  return *this;
}

FreeFormRead& FreeFormRead::operator>>(double& target) {
  const std::string_view value = next_value("a real number");
  std::size_t exponent_at = 0;
  if (!is_real(value, exponent_at)) throw bad_value(in_, value, kNotReal);
  std::string_view number = value.front() == '+' ? value.substr(1) : value;
  std::string with_e;  // the D exponent of older files, spelled E for from_chars
  if (exponent_at != std::string_view::npos &&
      (value[exponent_at] == 'D' || value[exponent_at] == 'd')) {
    with_e = number;
    with_e[exponent_at - (value.size() - number.size())] = 'E';
    number = with_e;
  }
  const auto result = std::from_chars(number.data(), number.data() + number.size(), target);
  if (result.ec != std::errc()) throw bad_value(in_, value, kRealRange);
  return *this;
}

std::string read_text(InputChannel& in, int length) {
  std::string text(in.next_line().substr(0, length));
  text.resize(length, ' ');
  return text;
}

}  // namespace textio
