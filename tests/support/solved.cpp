#include "tests/support/solved.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "report/report.hpp"
#include "tests/support/memory_run.hpp"

namespace test_support {
namespace {

constexpr double kFiveDigits = 5.0E-5;

::testing::AssertionResult close_lists(const std::vector<double>& a, const std::vector<double>& b,
                                       const char* kind) {
  if (a.size() != b.size())
    return ::testing::AssertionFailure() << a.size() << " " << kind << " against " << b.size();
  double scale = 0.0;
  for (double v : b) scale = std::max(scale, std::fabs(v));
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::fabs(a[i] - b[i]) > kFiveDigits * scale)
      return ::testing::AssertionFailure()
             << kind << " " << i + 1 << ": " << a[i] << " against " << b[i];
  return ::testing::AssertionSuccess();
}

}  // namespace

Solved solved(const std::string& input) {
  const MemoryRun run = run_in_memory(input);
  EXPECT_EQ(run.status, 0) << run.console << run.error;
  Solved s;
  std::istringstream counts(input.substr(input.find('\n') + 1));
  int isymx = 0, isymy = 0;
  counts >> isymx >> isymy >> s.elements;
  std::istringstream console(run.console);
  for (std::string line; std::getline(console, line);)
    if (line.rfind("FLUX", 0) == 0) s.fluxes.push_back(std::stod(line.substr(line.find(':') + 1)));
  for (const auto& point : report::parse(run.report, "OUT").results.internal)
    s.potentials.push_back(point.potential);
  return s;
}

::testing::AssertionResult same_to_5_digits(const Solved& a, const Solved& b) {
  if (a.elements != b.elements)
    return ::testing::AssertionFailure() << a.elements << " elements against " << b.elements;
  if (a.fluxes.empty() && a.potentials.empty())
    return ::testing::AssertionFailure() << "nothing to compare";
  const auto fluxes = close_lists(a.fluxes, b.fluxes, "flux");
  if (!fluxes) return fluxes;
  return close_lists(a.potentials, b.potentials, "internal potential");
}

}  // namespace test_support
