// The matrix written out: as a readable table with its conventions, or as
// comma-separated values.
#pragma once

#include <ostream>

#include "tools/matrix/capacitance.hpp"

namespace matrix {

// The Maxwell matrix and the mutual form, each under a heading with its sign
// convention and reference, then the reciprocity residual.
void write_table(std::ostream& out, const Capacitance& c);

// The Maxwell matrix as RFC 4180 has it: records ended by CR LF, fields
// separated by commas. A header row "group" and the group numbers, then one
// row per group: its number and its row of C, each number in the fewest
// digits that read back to the same value. No field holds a comma, a quote
// or a line end, so none is quoted.
void write_csv(std::ostream& out, const Capacitance& c);

}  // namespace matrix
