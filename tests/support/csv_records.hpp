// The records of an RFC 4180 text, read independently of the tools' writer.
#pragma once

#include <string>
#include <vector>

namespace test_support {

using Record = std::vector<std::string>;

// Each CRLF-ended record's fields, quotes removed and doubled quotes undone.
std::vector<Record> csv_records(const std::string& text);

}  // namespace test_support
