#include "report/lines.hpp"

namespace report {

std::optional<Line> Lines::peek() const {
  if (at_end()) return std::nullopt;
  const std::string_view rest = text_.substr(at_);
  const std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) return Line{rest, false};
  std::string_view text = rest.substr(0, end);
  if (text.ends_with('\r')) text.remove_suffix(1);
  return Line{text, true};
}

void Lines::advance() {
  const std::size_t end = text_.find('\n', at_);
  at_ = end == std::string_view::npos ? text_.size() : end + 1;
  ++number_;
}

}  // namespace report
