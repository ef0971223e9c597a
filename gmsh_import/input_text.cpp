#include "gmsh_import/input_text.hpp"

#include <cstdio>

namespace gmsh_import {
namespace {

void write_point(std::string& text, lib::Point p) {
  text += real17(p.x) + ' ' + real17(p.y) + '\n';
}

}  // namespace

std::string real17(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value == 0.0 ? 0.0 : value);
  return text;
}

// The title line begins with a blank, its record's control character, so
// that the report shows it whole. Every point and every record has a line
// of its own.
std::string input_text(const std::string& title, const Groups& groups,
                       const std::vector<Boundary>& boundaries, const std::string& note) {
  int elements = 0;
  for (const Boundary& b : boundaries) elements += static_cast<int>(b.conditions.size());
  std::string text = ' ' + title + '\n';
  text += std::to_string(groups.ISYMX) + ' ' + std::to_string(groups.ISYMY) + ' ' +
          std::to_string(elements) + ' ' + std::to_string(groups.internal.size()) + ' ' +
          std::to_string(boundaries.size());
  int last = 0;
  for (const Boundary& b : boundaries) {
    last += static_cast<int>(b.points.size());
    text += ' ' + std::to_string(last);
  }
  text += '\n';
  for (const Boundary& b : boundaries)
    for (lib::Point p : b.points) write_point(text, p);
  for (const Boundary& b : boundaries)
    for (int k : b.conditions) text += groups.conditions[k].record + '\n';
  for (lib::Point p : groups.internal) write_point(text, p);
  return text + '\n' + note;
}

}  // namespace gmsh_import
