// A VELDA report read back whole: its title, counts, the tables of its
// results and its currents, and how far the run that wrote it went. The one
// reader of reports, used by every tool that takes them.
//
// A report is accepted only as the program writes it: every line exactly as
// its layout (report/format.hpp) writes the values read from it, the tables
// as long as the counts the echo gives, and nothing after its end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lib/point.hpp"

namespace report {

using lib::Point;

struct NodeResult {
  int node = 0;
  Point at;
  double S = 0.0;  // arc length along the boundaries
  double potential = 0.0;
  std::optional<double> derivative;  // absent for an interface node (code 3)
  std::vector<std::string> printed;  // x, y, S, potential, derivative as printed
};

struct InternalResult {
  Point at;
  double potential = 0.0;
  Point gradient;
  std::vector<std::string> printed;  // x, y, potential, gradient x and y as printed
};

struct Results {
  std::vector<NodeResult> nodes;
  std::vector<InternalResult> internal;
};

// How far the run that wrote a report went: to its end; stopped on input it
// refused; or not to the end of its results (a failure, a killed run, a cut
// copy).
enum class Status { complete, refused, incomplete };

struct Report {
  std::string title;  // without the control character and the blanks around it
  Status status = Status::incomplete;
  // refused: the refusal; incomplete: where the report stops; complete: the
  // solver's warning line, if there is one.
  std::string note;
  // The counts as the echo prints them; empty when it does not.
  std::string elements, internal_points, boundaries;
  Results results;                  // of a complete report
  std::vector<std::string> fluxes;  // FLUX of group 1, 2, ... of a complete report
};

// The report in `text`; name is used in messages. Throws a ReportError
// (report_error.hpp) saying which line is not as the program writes it, or
// what follows the report's end.
Report parse(std::string_view text, const std::string& name);

// The same from the report file at path (report/read_file.hpp).
Report read(const std::string& path);

}  // namespace report
