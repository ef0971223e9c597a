// The cost of velda-plot's field on the capacity case, against the cost of
// a potential in velda itself, both on one thread in the processor time of
// that thread: INTEMPC's internal points, three potentials each (the point
// and its two gradient neighbours), against compute_field's grid at the
// default size, whose points in the region cost one potential each and the
// rest a look at the elements and loop edges near them.
// Usage: field_bench [RUNS]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "2D/VELDA.hpp"
#include "2D/driver.hpp"
#include "fixtures/capacity_case.hpp"
#include "geometry/checks.hpp"
#include "lib/parallel.hpp"
#include "report/report.hpp"
#include "runcontrol/files.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/problem.hpp"

namespace {

namespace fs = std::filesystem;

constexpr int kDefaultRepetitions = 5;
constexpr int kPotentialsPerInternalPoint = 3;
constexpr double kMicro = 1.0E6;

double thread_clock() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec * 1.0E-9;
}

template <typename Body>
double thread_seconds(Body body) {
  const double start = thread_clock();
  body();
  return thread_clock() - start;
}

std::unique_ptr<velda::Velda> solved_run(const fs::path& folder) {
  const std::vector<std::string> args = {"velda", (folder / "capacity.in").string(),
                                         (folder / "capacity.out").string()};
  std::istringstream typed;
  std::ostringstream console, error;
  runcontrol::DiskFiles disk;
  auto state = std::make_unique<velda::Velda>();
  if (velda::run(*state, args, {typed, console, error}, disk) != 0)
    throw std::runtime_error("the capacity run failed: " + error.str());
  return state;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::stoi(argv[1]) : kDefaultRepetitions;
  const fs::path folder =
      fs::temp_directory_path() / ("velda_field_bench_" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "capacity.in", std::ios::binary)
      << fixtures::quarter_box_case(fixtures::kCapacityElements, fixtures::kCapacityInternalPoints);
  const std::unique_ptr<velda::Velda> v = solved_run(folder);
  const plot::Problem problem = plot::read_problem((folder / "capacity.in").string());
  const plot::Results results = report::read((folder / "capacity.out").string()).results;
  const geometry::Examination examination = geometry::examine(problem);

  lib::testing::override_thread_count(1);
  std::vector<double> per_potential, per_grid_point, per_summed_point, ratio;
  int grid_points = 0, summed = 0;
  std::printf("%-8s %12s %10s %14s %16s %7s\n", "", "internal-1t", "field-1t", "us/potential",
              "us/grid-point", "ratio");
  for (int r = 1; r <= repetitions; ++r) {
    const double internal = thread_seconds([&] { velda::INTEMPC(*v); });
    plot::FieldGrid grid;
    const double field = thread_seconds([&] {
      grid = plot::compute_field(problem, examination.chains, results, plot::kDefaultGridPoints);
    });
    grid_points = grid.nx * grid.ny;
    summed = static_cast<int>(std::count_if(grid.kind.begin(), grid.kind.end(), [](auto k) {
      return k == plot::FieldPoint::REGION || k == plot::FieldPoint::MEDIUM;
    }));
    per_potential.push_back(internal / (kPotentialsPerInternalPoint * v->NINTP));
    per_grid_point.push_back(field / grid_points);
    per_summed_point.push_back(field / summed);
    ratio.push_back(per_grid_point.back() / per_potential.back());
    std::printf("run %-4d %12.3f %10.3f %14.2f %16.2f %7.3f\n", r, internal, field,
                kMicro * per_potential.back(), kMicro * per_grid_point.back(), ratio.back());
  }
  lib::testing::override_thread_count(0);
  std::printf(
      "\nmedians: a potential in velda %.2f us; a grid point %.2f us (%d points, %d of them\n"
      "summed: %.2f us each); grid point / potential %.3f (target <= 1)\n",
      kMicro * median(per_potential), kMicro * median(per_grid_point), grid_points, summed,
      kMicro * median(per_summed_point), median(ratio));
  fs::remove_all(folder);
  return 0;
}
