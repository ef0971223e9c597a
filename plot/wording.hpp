// Numbers, places and lists as warnings and labels write them.
#pragma once

#include <string>
#include <vector>

#include "plot/point.hpp"

namespace plot {

// Up to six significant digits, as %g writes them: 0.5, 1.25e-07.
std::string short_number(double value);

// (x, y) with short numbers.
std::string place(Point p);

// The text with its first letter made a capital.
std::string sentence(std::string text);

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& items);

// The first `shown` items, separated by semicolons, and a count of the rest:
// "a; b (and 3 more)".
std::string enumerated(const std::vector<std::string>& items, std::size_t shown);

}  // namespace plot
