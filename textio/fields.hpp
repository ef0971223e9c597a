// Rendering of single values into fixed-width fields.
#pragma once

#include <string>

namespace textio {

// Iw: the decimal text of value right-aligned in w columns, or w asterisks
// when it does not fit.
std::string integer_field(int value, int w);

// Ew.d: value in scientific form with one digit before the point and d after
// it, right-aligned in w columns, or w asterisks when it does not fit. value
// must be finite.
std::string real_field(double value, int w, int d);

}  // namespace textio
