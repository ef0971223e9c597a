#include "tools/converge/solve_level.hpp"

#include <algorithm>
#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "2D/driver.hpp"
#include "lib/parallel.hpp"
#include "report/report.hpp"
#include "runcontrol/memory_files.hpp"
#include "runcontrol/run_end.hpp"
#include "textio/fields.hpp"
#include "tools/converge/refused.hpp"

namespace converge {
namespace {

constexpr int kPointsPerTask = 8;

bool ran_to_its_end(int status, const std::string& console) {
  return status == runcontrol::kExitStop &&
         textio::trimmed(console).ends_with(runcontrol::kPlainStop);
}

// The results in full precision. The currents step has left the group
// totals in POTI, so the internal potentials are evaluated again by POTENT,
// which gives them bit for bit as the internal-point step did.
void collect(const velda::Velda& v, Solution& s) {
  s.elements = v.NELEM;
  int groups = 0;
  for (int J = 1; J <= v.NELEM; ++J) groups = std::max(groups, -v.KBC(J));
  for (int k = 1; k <= groups; ++k) s.flux.push_back(v.POTI(k));
  const int points = std::max(v.NINTP, 0);
  s.potential.resize(points);
  lib::parallel_for(points, kPointsPerTask, [&](int first, int last) {
    for (int i = first; i < last; ++i)
      velda::POTENT(v, v.XINT(i + 1), v.YINT(i + 1), s.potential[i]);
  });
  for (int i = 1; i <= points; ++i) {
    s.gradient_x.push_back(v.GRDX(i));
    s.gradient_y.push_back(v.GRDY(i));
  }
}

}  // namespace

Solution solve_level(const std::string& input, int k) {
  const std::string name = "level" + std::to_string(k);
  runcontrol::MemoryFiles files;
  files.add(name + ".in", input);
  std::istringstream typed;
  std::ostringstream console, error;
  const auto v = std::make_unique<velda::Velda>();
  const std::string args[] = {"velda", name + ".in", name + ".out"};
  const int status = velda::run(*v, args, {typed, console, error}, files);
  if (!ran_to_its_end(status, console.str()))
    throw Refused("level " + std::to_string(k) + " is not solved; the program says:\n" +
                  console.str() + error.str());
  Solution s;
  s.report = files.contents(name + ".out");
  s.small_pivot = !report::parse(s.report, name + ".out").note.empty();
  collect(*v, s);
  return s;
}

}  // namespace converge
