// velda-mesh's import timed on a model at the capacity: the shielded pair of
// examples/gmsh meshed at size factor 0.2 (1536 elements, 4 boundaries),
// read and meshed by Gmsh, its groups read, its elements joined, the
// capacities checked, the text written and read back by velda's input step.
// Usage: mesh_bench [RUNS] [MODEL SIZE_FACTOR]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gmsh_import/gmsh_import.hpp"

namespace {

constexpr int kDefaultRuns = 20;
constexpr double kCapacityFactor = 0.2;  // the shielded pair's finest factor within 1600 elements
constexpr double kMilli = 1.0E3;

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
  const std::string model =
      argc > 3 ? argv[2] : std::string(VELDA_SOURCE_DIR) + "/examples/gmsh/shielded-pair.geo";
  gmsh_import::Options options;
  options.size_factor = argc > 3 ? std::atof(argv[3]) : kCapacityFactor;
  std::vector<double> ms;
  std::size_t bytes = 0;
  for (int r = 0; r < runs; ++r) {
    const auto start = std::chrono::steady_clock::now();
    bytes = gmsh_import::input_from_model(model, options).size();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    ms.push_back(took.count() * kMilli);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%s at size factor %g: %zu bytes of input; %d runs: best %.1f ms, median %.1f ms\n",
              model.c_str(), options.size_factor, bytes, runs, ms.front(), ms[ms.size() / 2]);
}
