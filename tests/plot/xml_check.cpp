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

// Whether some '&' in s does not start &amp; &lt; &gt; &quot; &apos; or &#...;.
bool bare_ampersand(std::string_view s) {
  static const std::set<std::string_view> named{"amp", "lt", "gt", "quot", "apos"};
  for (auto at = s.find('&'); at != s.npos; at = s.find('&', at + 1)) {
    const auto end = s.find(';', at);
    const std::string_view ref = s.substr(at + 1, end - at - 1);
    if (end == s.npos || !(named.contains(ref) || (ref.size() > 1 && ref[0] == '#'))) return true;
  }
  return false;
}

// What is wrong with the inside of a tag, <...>: its name, then attributes
// name="value" or name='value', each name once, no '<' or bare '&' in a value.
std::string tag_fault(std::string_view tag, std::string_view& name) {
  std::size_t at = 0;
  while (at < tag.size() && name_char(tag[at])) ++at;
  name = tag.substr(0, at);
  if (name.empty()) return "'<' without a tag name";
  std::set<std::string_view> names;
  for (;;) {
    while (at < tag.size() && std::isspace(static_cast<unsigned char>(tag[at]))) ++at;
    if (at == tag.size()) return "";
    const std::size_t start = at;
    while (at < tag.size() && name_char(tag[at])) ++at;
    const std::string_view attribute = tag.substr(start, at - start);
    if (attribute.empty() || tag.substr(at, 1) != "=")
      return "a bad attribute in <" + std::string(name) + ">";
    if (!names.insert(attribute).second) return "attribute " + std::string(attribute) + " twice";
    const char quote = tag.size() > at + 1 ? tag[at + 1] : ' ';
    const std::size_t end = tag.find(quote, at + 2);
    if ((quote != '"' && quote != '\'') || end == tag.npos) return "an unquoted attribute";
    const std::string_view value = tag.substr(at + 2, end - at - 2);
    if (value.find('<') != value.npos || bare_ampersand(value)) return "'<' or '&' in an attribute";
    at = end + 1;
  }
}

}  // namespace

std::string xml_fault(std::string_view d) {
  if (d.starts_with("<?xml")) d.remove_prefix(d.find("?>") + 2);
  std::vector<std::string_view> open;
  int roots = 0;
  for (std::size_t at = 0; at < d.size();) {
    const std::size_t lt = std::min(d.find('<', at), d.size());
    const std::string_view text = d.substr(at, lt - at);
    if (open.empty() && text.find_first_not_of(" \t\r\n") != text.npos)
      return "text outside the root element";
    if (text.find('>') != text.npos || bare_ampersand(text)) return "a bare '>' or '&' in text";
    if (lt == d.size()) break;
    std::size_t gt = lt + 1;  // the first '>' outside quotes
    for (char quote = 0; gt < d.size() && (quote != 0 || d[gt] != '>'); ++gt) {
      if (quote == 0 && (d[gt] == '"' || d[gt] == '\''))
        quote = d[gt];
      else if (d[gt] == quote)
        quote = 0;
    }
    if (gt == d.size()) return "an unterminated tag";
    std::string_view tag = d.substr(lt + 1, gt - lt - 1), name;
    const bool closing = tag.starts_with('/'), empty = tag.ends_with('/');
    if (closing) tag.remove_prefix(1);
    if (empty) tag.remove_suffix(1);
    if (std::string fault = tag_fault(tag, name); !fault.empty()) return fault;
    if (closing) {
      if (open.empty() || open.back() != name ||
          tag.substr(name.size()).find_first_not_of(" \t\r\n") != tag.npos)
        return "</" + std::string(name) + "> closes nothing open";
      open.pop_back();
    } else {
      roots += open.empty();
      if (!empty) open.push_back(name);
    }
    at = gt + 1;
  }
  if (!open.empty()) return std::string(open.back()).append(" is never closed");
  return roots == 1 ? "" : std::to_string(roots) + " root elements";
}

}  // namespace plot_test
