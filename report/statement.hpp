// One write statement of the report read back from its lines, by the
// statement's own layout text: the columns of each value are found by
// writing the layout with sample values, and the lines are accepted only
// when writing the values read from them gives them again, byte for byte.
// So a number cut short, a count that is not a whole number or a word where
// a number stands is never taken for a value.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report/lines.hpp"
#include "textio/layout.hpp"

namespace report {

enum class Kind { integer, real };  // an Iw or an Ew.d field

// An integer field of asterisks (a value too wide for it) is read as this,
// which is too wide for every integer field of the report.
inline constexpr int kTooWide = -2147483647 - 1;

struct Statement {
  enum Outcome {
    read,     // every line is as the layout writes the values
    ended,    // the text ends, or its last line is cut, before the last line
    differs,  // a line is not as the layout writes it
  };
  Outcome outcome = read;
  std::vector<textio::Value> values;  // of a statement read; some of one that differs
  std::vector<std::string> texts;     // the values as printed, blanks taken off
  std::string why;                    // of one that differs: "line N ..."
};

// Where a value stands: its line (the statement's record) and the columns
// from the end of what precedes it to the end of its own text, counted in
// the line, which lacks the record's control character.
struct Column {
  std::size_t record = 0, from = 0, to = 0;
};

// A layout written with sample values of `kinds`: its records, and the
// columns of the values.
struct Shape {
  std::vector<std::string> records;
  std::vector<Column> columns;
};

Shape shape_of(std::string_view layout, std::span<const Kind> kinds);

// Reads the lines of one execution of `layout` with values of `kinds`, whose
// shape is given. Every
// record of the layout has a blank
// control character, so that each is one line. `lines` moves past them
// only when they are read.
Statement read_statement(Lines& lines, std::string_view layout, std::span<const Kind> kinds,
                         const Shape& shape);

inline Statement read_statement(Lines& lines, std::string_view layout,
                                std::span<const Kind> kinds) {
  return read_statement(lines, layout, kinds, shape_of(layout, kinds));
}

}  // namespace report
