#include "tests/support/csv_records.hpp"

namespace test_support {

std::vector<Record> csv_records(const std::string& text) {
  std::vector<Record> records(1, Record(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      records.back().back() += text[++i];
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      records.back().emplace_back();
    } else if (!quoted && text.compare(i, 2, "\r\n") == 0) {
      records.emplace_back(1), ++i;
    } else {
      records.back().back() += c;
    }
  }
  records.pop_back();  // after the last line end
  return records;
}

}  // namespace test_support
