// The problem as the picture needs it: boundaries made of elements, each
// with its node and boundary-condition code, the internal points and the
// symmetry flags. Read with the program's own input step and element
// geometry, so the picture shows exactly what a run would solve.
#pragma once

#include <string>
#include <vector>

#include "plot/point.hpp"

namespace plot {

struct Element {
  Point start, end;
  Point node;        // midpoint, where the unknowns live
  Point tangent;     // unit vector from start to end
  int code = 0;      // boundary-condition code of the node
  int boundary = 0;  // 1-based number of its boundary

  // On the right of the direction of travel: the side taken as outward.
  Point normal() const { return {tangent.y, -tangent.x}; }
};

// Elements first .. first + count - 1 (0-based) of the element list.
struct Boundary {
  int first = 0;
  int count = 0;
};

struct Problem {
  std::string title;              // the input's first line, without trailing blanks
  int ISYMX = 0;                  // weight of the image x -> -x, 0 for none
  int ISYMY = 0;                  // weight of the image y -> -y, 0 for none
  std::vector<Element> elements;  // element J is elements[J - 1]
  std::vector<Boundary> boundaries;
  std::vector<Point> internal;  // internal point J is internal[J - 1]
};

// Reads the input file at path, or throws a PlotError that says what is
// wrong with it.
Problem read_problem(const std::string& path);

// The same from the text of an input file; name is used in messages.
Problem problem_from_text(const std::string& text, const std::string& name);

}  // namespace plot
