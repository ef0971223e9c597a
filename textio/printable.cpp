#include "textio/printable.hpp"

namespace textio {
namespace {

struct SequenceForm {
  unsigned char lead_mask, lead_bits;  // the lead byte's fixed bits
  std::size_t length;
  char32_t smallest;  // below it the form is overlong
};

constexpr SequenceForm kForms[] = {
    {0x80, 0x00, 1, 0x0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

bool is_control(char32_t code) { return code < 0x20 || (0x7F <= code && code <= 0x9F); }

}  // namespace

std::size_t utf8_sequence(std::string_view s, std::size_t i, char32_t& code) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  for (const SequenceForm& form : kForms) {
    if ((byte(i) & form.lead_mask) != form.lead_bits) continue;
    if (i + form.length > s.size()) return 0;
    code = byte(i) & static_cast<unsigned char>(~form.lead_mask);
    for (std::size_t k = 1; k < form.length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return 0;
      code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = 0xD800 <= code && code <= 0xDFFF;
    return code < form.smallest || surrogate || code > 0x10FFFF ? 0 : form.length;
  }
  return 0;
}

std::string printable(std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = 0;
    const std::size_t n = utf8_sequence(text, i, code);
    if (n != 0 && !is_control(code)) {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i++]);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

}  // namespace textio
