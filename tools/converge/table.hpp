// The study written out: a table to read, or velda-table's comma-separated
// form with every number in full.
#pragma once

#include <ostream>
#include <string>

#include "tools/converge/study.hpp"

namespace converge {

// `input` names the problem.
void write_table(std::ostream& out, const Study& study, const std::string& input);

// A header row, then one row per quantity: kind, number, one value per
// level, order, extrapolated, error of the finest and of the user's level,
// and why a quantity is not extrapolated; first the rows "elements" and "h"
// of the levels.
void write_csv(std::ostream& out, const Study& study);

// Why a quantity is not extrapolated, or an empty text when it is.
std::string flag(Verdict verdict);

}  // namespace converge
