// The choice of the path of the influence integrals' functions: the widest
// the processor runs, unless a path is named.
#include "2D/influence_maths.hpp"

#include <atomic>
#include <stdexcept>
#include <string>

namespace velda {

#if defined(__x86_64__)
// Widest first. A processor without FMA gets the nofma path: it runs
// correctly, but the last digits of a round-off-level number in its report
// can differ from those every processor with FMA prints.
static const InfluenceMaths* const kPaths[] = {&kMathsAvx512, &kMathsAvx2, &kMathsScalar,
                                               &kMathsNoFma};

bool processor_runs(const InfluenceMaths& path) {
  __builtin_cpu_init();  // the choice may be made before the library has looked
  if (&path == &kMathsAvx512) return __builtin_cpu_supports("avx512f");
  if (&path == &kMathsAvx2) return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  if (&path == &kMathsScalar) return __builtin_cpu_supports("fma");
  return true;
}
#else
// Other 64-bit processors (ARM's, for one) all have FMA.
static const InfluenceMaths* const kPaths[] = {&kMathsScalar};

bool processor_runs(const InfluenceMaths&) { return true; }
#endif

std::span<const InfluenceMaths* const> influence_maths_paths() { return kPaths; }

namespace {

const InfluenceMaths* widest() {
  for (const InfluenceMaths* path : kPaths)
    if (processor_runs(*path)) return path;
  return kPaths[0];
}

std::atomic<const InfluenceMaths*> chosen{widest()};

std::string path_names() {
  std::string names;
  for (const InfluenceMaths* path : kPaths)
    names += (names.empty() ? "" : ", ") + std::string(path->name);
  return names;
}

}  // namespace

const InfluenceMaths& influence_maths() { return *chosen.load(std::memory_order_relaxed); }

void choose_influence_maths(const char* name) {
  if (name == nullptr || *name == '\0') {
    chosen.store(widest());
    return;
  }
  for (const InfluenceMaths* path : kPaths) {
    if (std::string(name) != path->name) continue;
    if (!processor_runs(*path))
      throw std::invalid_argument(std::string("VELDA_SIMD=") + name +
                                  ": this processor cannot run that path");
    chosen.store(path);
    return;
  }
  throw std::invalid_argument(std::string("VELDA_SIMD=") + name +
                              ": unknown path (known: " + path_names() + ")");
}

}  // namespace velda
