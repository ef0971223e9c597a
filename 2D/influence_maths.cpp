// The choice of the path of the influence integrals' functions: the widest
// the processor runs, unless a path is named.
#include "2D/influence_maths.hpp"

#include <atomic>
#include <stdexcept>
#include <string>

namespace velda {
namespace {

#if defined(__x86_64__)
// Widest first. A processor without FMA gets the nofma path: it runs
// correctly, but the last digits of a round-off-level number in its report
// can differ from those every processor with FMA prints.
const InfluenceMaths* const kPaths[] = {&kMathsAvx512, &kMathsAvx2, &kMathsScalar, &kMathsNoFma};

bool can_run(const InfluenceMaths& path) {
  __builtin_cpu_init();  // the choice may be made before the library has looked
  if (&path == &kMathsAvx512) return __builtin_cpu_supports("avx512f");
  if (&path == &kMathsAvx2) return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  if (&path == &kMathsScalar) return __builtin_cpu_supports("fma");
  return true;
}
#else
// Other 64-bit processors (ARM's, for one) all have FMA.
const InfluenceMaths* const kPaths[] = {&kMathsScalar};

bool can_run(const InfluenceMaths&) { return true; }
#endif

const InfluenceMaths* widest() {
  for (const InfluenceMaths* path : kPaths)
    if (can_run(*path)) return path;
  return kPaths[0];
}

std::atomic<const InfluenceMaths*> chosen{widest()};

}  // namespace

const InfluenceMaths& influence_maths() { return *chosen.load(std::memory_order_relaxed); }

void choose_influence_maths(const char* name) {
  if (name == nullptr || *name == '\0') {
    chosen.store(widest());
    return;
  }
  for (const InfluenceMaths* path : kPaths) {
    if (std::string(name) != path->name) continue;
    if (!can_run(*path))
      throw std::invalid_argument(std::string("VELDA_SIMD=") + name +
                                  ": this processor cannot run that path");
    chosen.store(path);
    return;
  }
  std::string known;
  for (const InfluenceMaths* path : kPaths)
    known += std::string(known.empty() ? "" : ", ") + path->name;
  throw std::invalid_argument(std::string("VELDA_SIMD=") + name +
                              ": unknown path (known: " + known + ")");
}

}  // namespace velda
