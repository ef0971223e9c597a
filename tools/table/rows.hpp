// The rows of velda-table: one per report, or one per boundary node or
// internal point of each report, every number as the report prints it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report.hpp"

namespace table {

enum class Mode { reports, nodes, internal };

// A report named on the command line, as far as it could be read.
struct Entry {
  std::string name;
  std::string status;                    // complete, refused, incomplete; missing or unreadable
  std::string note;                      // why it is not complete, or the solver's warning
  std::optional<report::Report> report;  // absent when missing or unreadable
};

Entry read_entry(const std::string& name);

// The entry of the report text `text` named `name`.
Entry entry_of(const std::string& name, std::string_view text);

// The header and then the rows of the entries, in their order. Every row of
// the reports mode has one flux column for each group of the report with the
// most; an entry that is not complete has no rows of nodes or points.
std::vector<std::vector<std::string>> rows_of(Mode mode, const std::vector<Entry>& entries);

}  // namespace table
