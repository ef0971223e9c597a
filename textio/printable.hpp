// UTF-8 decoding, and text made safe to show on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textio {

// The length of the well-formed UTF-8 sequence that starts at s[i], with its
// code point in `code`; 0 when none starts there (a stray or missing
// continuation byte, an overlong form, a surrogate, a value above U+10FFFF).
std::size_t utf8_sequence(std::string_view s, std::size_t i, char32_t& code);

// text with every byte that is not part of a printable character shown as
// \xNN: control characters (C0, DEL, C1) and bytes that are not well-formed
// UTF-8. Input text and file names quoted in messages go through this, so
// that no escape sequence of theirs reaches the user's terminal.
std::string printable(std::string_view text);

}  // namespace textio
