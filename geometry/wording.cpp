// How warnings and messages write numbers, places and lists.
#include <cstdio>

#include "geometry/shape.hpp"

namespace geometry {

std::string short_number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value == 0.0 ? 0.0 : value);  // no "-0"
  return text;
}

std::string place(Point p) {
  std::string text = "(";  // appended piece by piece: GCC 12 warns falsely on "(" + ...
  text += short_number(p.x);
  text += ", ";
  text += short_number(p.y);
  return text + ")";
}

std::string listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

std::string enumerated(const std::vector<std::string>& items, std::size_t shown) {
  std::string text;
  for (std::size_t i = 0; i < items.size() && i < shown; ++i)
    text += (i > 0 ? "; " : "") + items[i];
  if (items.size() > shown) text += " (and " + std::to_string(items.size() - shown) + " more)";
  return text;
}

}  // namespace geometry
