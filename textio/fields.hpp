// Rendering of single values into fixed-width fields, and the text of a
// field read back.
#pragma once

#include <string>
#include <string_view>

namespace textio {

// Iw: the decimal text of value right-aligned in w columns, or w asterisks
// when it does not fit.
std::string integer_field(int value, int w);

// Ew.d: value in scientific form with one digit before the point and d after
// it, right-aligned in w columns, or w asterisks when it does not fit. value
// must be finite.
std::string real_field(double value, int w, int d);

// The text without the blanks, tabs, form feeds and line-end characters
// around it.
std::string_view trimmed(std::string_view text);

}  // namespace textio
