// velda-matrix on the capacity case without internal points against one
// velda run on the same file: the whole of each run, files on disk, and the
// assembly and the elimination apart. Run with the case's 2 groups and with
// the conductor's nodes dealt round more groups. Usage: matrix_bench [RUNS]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "2D/VELDA.hpp"
#include "2D/driver.hpp"
#include "2D/unit_right_hand_sides.hpp"
#include "fixtures/capacity_case.hpp"
#include "lib/DPVT.hpp"
#include "runcontrol/files.hpp"
#include "tools/matrix/run.hpp"

namespace {

namespace fs = std::filesystem;

constexpr int kDefaultRepetitions = 5;
constexpr int kMoreGroups = 16;  // the second case's groups: the wall's and 15 on the conductor

double clock_seconds(clockid_t clock) {
  timespec t;
  clock_gettime(clock, &t);
  return t.tv_sec + t.tv_nsec * 1.0E-9;
}

// Elapsed and processor seconds of all threads.
struct Time {
  double elapsed, processor;
};

template <typename Body>
Time timed(Body body) {
  const double processor = clock_seconds(CLOCK_PROCESS_CPUTIME_ID);
  const double elapsed = clock_seconds(CLOCK_MONOTONIC);
  body();
  return {clock_seconds(CLOCK_MONOTONIC) - elapsed,
          clock_seconds(CLOCK_PROCESS_CPUTIME_ID) - processor};
}

// The capacity case without internal points, the conductor's node records
// (code -2) dealt round groups 2 ... groups.
std::string case_with_groups(int groups) {
  std::istringstream in(fixtures::quarter_box_case(fixtures::kCapacityElements, 0));
  std::string text;
  int next = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("-2 ", 0) == 0) line.replace(0, 2, std::to_string(-2 - next++ % (groups - 1)));
    text += line + '\n';
  }
  return text;
}

Time velda_run(const fs::path& input, const fs::path& report) {
  const std::vector<std::string> args = {"velda", input.string(), report.string()};
  std::istringstream typed;
  std::ostringstream console, error;
  runcontrol::DiskFiles disk;
  int status = 0;
  const Time t = timed([&] {
    const auto state = std::make_unique<velda::Velda>();
    status = velda::run(*state, args, {typed, console, error}, disk);
  });
  if (status != 0) throw std::runtime_error("velda failed: " + error.str());
  return t;
}

Time matrix_run(const fs::path& input) {
  const std::vector<std::string> args = {input.string()};
  std::ostringstream out, err;
  runcontrol::DiskFiles disk;
  int status = 0;
  const Time t = timed([&] { status = matrix::run(args, out, err, disk); });
  if (status != 0) throw std::runtime_error("velda-matrix failed: " + err.str());
  return t;
}

// GHMAMPC and DPVT with one right-hand side, and with unit right-hand sides
// for the groups, on the state of the input; elapsed seconds.
struct Steps {
  double assembly, solve, assembly_sides, solve_sides;
};

Steps time_steps(const fs::path& input, int groups) {
  textio::Units u;
  std::ostringstream echo, console;
  u.report.connect(echo, velda::kReportUnit, "echo");
  u.console.connect(console, 0, {});
  runcontrol::DiskFiles disk;
  runcontrol::open_input(u, disk, velda::kInputUnit, input.string());
  const auto v = std::make_unique<velda::Velda>();
  velda::INPUMPC(*v, u);
  velda::GEOM(*v);
  std::vector<int> side;
  for (int J = 1; J <= v->NELEM; ++J) side.push_back(std::max(-v->KBC(J), 0));
  std::vector<double> B(static_cast<std::size_t>(velda::MAXEL) * groups, 0.0);
  Steps s{};
  int IER = 0;
  s.assembly_sides = timed([&] { velda::GHMAMPC(*v, {side.data(), B.data()}); }).elapsed;
  s.solve_sides = timed([&] {
                    lib::DPVT(v->AMAT.data(), B.data(), v->NELEM, groups, velda::MAXEL,
                              velda::kPivotTolerance, IER);
                  }).elapsed;
  s.assembly = timed([&] { velda::GHMAMPC(*v); }).elapsed;
  s.solve = timed([&] {
              lib::DPVT(v->AMAT.data(), v->DPOTB.data(), v->NELEM, 1, velda::MAXEL,
                        velda::kPivotTolerance, IER);
            }).elapsed;
  return s;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

std::string load_average() {
  std::ifstream loadavg("/proc/loadavg");
  std::string one_minute;
  loadavg >> one_minute;
  return one_minute.empty() ? "unknown" : one_minute;
}

void bench_case(const fs::path& folder, int groups, int repetitions) {
  const fs::path input = folder / ("groups" + std::to_string(groups) + ".in");
  std::ofstream(input, std::ios::binary) << case_with_groups(groups);
  std::printf("\n%d groups        velda  velda-cpu  matrix  matrix-cpu  ratio  ratio-cpu\n",
              groups);
  std::vector<double> ratios, cpu_ratios;
  std::vector<Steps> steps;
  for (int r = 1; r <= repetitions; ++r) {
    const Time plain = velda_run(input, folder / "run.out");
    const Time tool = matrix_run(input);
    ratios.push_back(tool.elapsed / plain.elapsed);
    cpu_ratios.push_back(tool.processor / plain.processor);
    std::printf("run %-2d       %7.3f  %9.3f  %6.3f  %10.3f  %5.3f  %9.3f\n", r, plain.elapsed,
                plain.processor, tool.elapsed, tool.processor, ratios.back(), cpu_ratios.back());
    steps.push_back(time_steps(input, groups));
  }
  const auto over = [&](double Steps::*field) {
    std::vector<double> values;
    for (const Steps& s : steps) values.push_back(s.*field);
    return median(values);
  };
  std::printf("median ratio velda-matrix / velda: %.3f elapsed, %.3f processor (target <= 1.10)\n",
              median(ratios), median(cpu_ratios));
  std::printf(
      "medians, elapsed: assembly %.3f, with the unit sides %.3f; elimination with 1 "
      "right-hand side %.3f, with %d %.3f\n",
      over(&Steps::assembly), over(&Steps::assembly_sides), over(&Steps::solve), groups,
      over(&Steps::solve_sides));
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::stoi(argv[1]) : kDefaultRepetitions;
  const fs::path folder = fs::temp_directory_path() / ("matrix_bench_" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::printf("capacity case, %d elements, no internal points; load average %s\n",
              fixtures::kCapacityElements, load_average().c_str());
  bench_case(folder, 2, repetitions);
  bench_case(folder, kMoreGroups, repetitions);
  std::printf("load average at the end %s\n", load_average().c_str());
  fs::remove_all(folder);
  return 0;
}
