// A problem solved in memory and what the comparisons of velda-mesh's tests
// need from it: the element count, the fluxes and the internal potentials.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test_support {

struct Solved {
  int elements = 0;                // NELEM of the counts record
  std::vector<double> fluxes;      // FLUX 1, 2, ... as the console shows them
  std::vector<double> potentials;  // of the internal points, from the report
};

// Solves the input text; a run that does not end normally fails the test.
Solved solved(const std::string& input);

// Whether two solutions agree to 5 significant digits: the same element
// count, and every flux and potential within 5e-5 of the largest of its
// kind (values near zero are then compared at that scale).
::testing::AssertionResult same_to_5_digits(const Solved& a, const Solved& b);

}  // namespace test_support
