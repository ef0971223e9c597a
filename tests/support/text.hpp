// Checks on texts that show the text when they fail.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace test_support {

// Whether `part` stands in `text`.
inline ::testing::AssertionResult contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "'" << part << "' is not in\n" << text;
}

// How many times `part` stands in `text`, overlapping or not.
inline int occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace test_support
