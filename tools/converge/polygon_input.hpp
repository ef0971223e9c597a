// A VELDA input as boundaries of elements, each element with its node
// record, so that elements can be split or merged and the input written
// again. Read with the program's own input step, so an input the program
// refuses is refused here with the program's message.
#pragma once

#include <string>
#include <vector>

#include "lib/point.hpp"

namespace converge {

// The node record of an element: its code and the values the code reads.
struct NodeRecord {
  int code = 0;
  double value = 0.0;   // potential, derivative or source potential; EPS for code 3
  double second = 0.0;  // impedance, for code 2 only
  bool operator==(const NodeRecord&) const = default;
};

// One boundary: its points in order of travel, and the record of the
// element from points[i] to points[i + 1] as records[i].
struct Outline {
  std::vector<lib::Point> points;
  std::vector<NodeRecord> records;
};

struct PolygonInput {
  std::string title;  // the first line, as written in the file
  int ISYMX = 0, ISYMY = 0;
  std::vector<Outline> boundaries;
  std::vector<lib::Point> internal;

  int elements() const;
  // The sum of the element lengths.
  double perimeter() const;
};

// The input text read as the program reads it; throws Refused with the
// program's message when it refuses the input, naming the input `name`.
PolygonInput read_polygon_input(const std::string& text, const std::string& name);

// The text of a VELDA input that the program reads back as `input`, bit for
// bit: reals are written with 17 significant digits.
std::string input_text(const PolygonInput& input);

}  // namespace converge
