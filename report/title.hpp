// The opening of a report: its line of asterisks and the title record
// after it, whose first character, the record's control character, chose
// the spacing between them.
#pragma once

#include <string>
#include <vector>

#include "report/lines.hpp"

namespace report {

struct TitleReading {
  std::string title;  // as shown, without the blanks around it
  Lines after;        // the lines after the title's
};

// The readings of the opening at `lines` that its lines allow, the likelier
// first: more than one only for a blank title, where an empty line may be
// the spacing or the title. None when the text ends or is cut before the
// title's line ends; throws a ReportError naming `name` when the text does
// not begin with the line of asterisks.
std::vector<TitleReading> read_title(const Lines& lines, const std::string& name);

}  // namespace report
