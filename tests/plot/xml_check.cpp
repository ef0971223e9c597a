#include "plot/xml_check.hpp"

#include <cctype>
#include <set>
#include <vector>

namespace plot_test {
namespace {

bool name_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
         c == '.';
}

class Checker {
 public:
  explicit Checker(std::string_view d) : d_(d) {}

  std::string run() {
    skip_prolog();
    while (at_ < d_.size()) {
      if (d_[at_] == '<') {
        if (!tag()) return fault_;
      } else if (!text()) {
        return fault_;
      }
    }
    if (!open_.empty()) return "<" + open_.back() + "> is never closed";
    if (roots_ != 1) return std::to_string(roots_) + " root elements";
    return {};
  }

 private:
  bool fail(const std::string& why) {
    fault_ = why + " at byte " + std::to_string(at_);
    return false;
  }

  void skip_prolog() {
    if (d_.substr(0, 5) == "<?xml") at_ = d_.find("?>") + 2;
  }

  std::string name() {
    const std::size_t start = at_;
    while (at_ < d_.size() && name_char(d_[at_])) ++at_;
    return std::string(d_.substr(start, at_ - start));
  }

  void blanks() {
    while (at_ < d_.size() && std::isspace(static_cast<unsigned char>(d_[at_]))) ++at_;
  }

  // &amp; &lt; &gt; &quot; &apos; &#n; &#xh;
  bool reference() {
    const std::size_t end = d_.find(';', at_);
    if (end == std::string_view::npos) return fail("unterminated reference");
    const std::string_view ref = d_.substr(at_ + 1, end - at_ - 1);
    static const std::set<std::string_view> named{"amp", "lt", "gt", "quot", "apos"};
    if (!named.count(ref) && !(ref.size() > 1 && ref[0] == '#')) return fail("unknown reference");
    at_ = end + 1;
    return true;
  }

  bool text() {
    if (open_.empty() && !std::isspace(static_cast<unsigned char>(d_[at_])))
      return fail("text outside the root element");
    if (d_[at_] == '&') return reference();
    if (d_[at_] == '>') return fail("bare '>'");
    ++at_;
    return true;
  }

  bool attribute_value() {
    const char quote = d_[at_];
    if (quote != '"' && quote != '\'') return fail("unquoted attribute");
    ++at_;
    while (at_ < d_.size() && d_[at_] != quote) {
      if (d_[at_] == '<') return fail("'<' in an attribute");
      if (d_[at_] == '&') {
        if (!reference()) return false;
      } else {
        ++at_;
      }
    }
    if (at_ == d_.size()) return fail("unterminated attribute");
    ++at_;
    return true;
  }

  bool tag() {
    ++at_;
    const bool closing = at_ < d_.size() && d_[at_] == '/';
    if (closing) ++at_;
    const std::string tag_name = name();
    if (tag_name.empty()) return fail("'<' without a tag name");
    if (closing) {
      blanks();
      if (open_.empty() || open_.back() != tag_name || d_[at_] != '>')
        return fail("</" + tag_name + "> does not close the open element");
      open_.pop_back();
      ++at_;
      return true;
    }
    std::set<std::string> names;
    for (;;) {
      blanks();
      if (at_ >= d_.size()) return fail("unterminated tag");
      if (d_[at_] == '>' || d_.substr(at_, 2) == "/>") break;
      const std::string attribute = name();
      if (attribute.empty()) return fail("bad attribute name");
      if (!names.insert(attribute).second) return fail("attribute " + attribute + " twice");
      blanks();
      if (at_ >= d_.size() || d_[at_] != '=') return fail("attribute without a value");
      ++at_;
      blanks();
      if (!attribute_value()) return false;
    }
    if (open_.empty()) ++roots_;
    if (d_[at_] == '>') {
      open_.push_back(tag_name);
      ++at_;
    } else {
      at_ += 2;
    }
    return true;
  }

  std::string_view d_;
  std::size_t at_ = 0;
  std::vector<std::string> open_;
  int roots_ = 0;
  std::string fault_;
};

}  // namespace

std::string xml_fault(std::string_view document) { return Checker(document).run(); }

int count_elements(std::string_view document, std::string_view tag) {
  int n = 0;
  std::string start = "<";
  start += tag;
  for (auto at = document.find(start); at != std::string_view::npos;
       at = document.find(start, at + 1))
    if (!name_char(document[at + start.size()])) ++n;
  return n;
}

}  // namespace plot_test
