// The capacity case timed, every figure of one run of the benchmark measured
// together so that their ratios hold under the same conditions: the whole
// program run, its three costly steps, the influence calls on one thread
// against their floors (SLEEF's functions, as the program takes them, and the
// C library's), and the solver against a straightforward column-oriented
// elimination. Each run also checks that all results are the same bits as the
// first whole run's. Usage: [VELDA_SIMD=PATH] velda_bench [RUNS]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "2D/VELDA.hpp"
#include "2D/driver.hpp"
#include "2D/influence_maths.hpp"
#include "bench/maths_floor.hpp"
#include "fixtures/capacity_case.hpp"
#include "fixtures/column_oriented_elimination.hpp"
#include "lib/DPVT.hpp"
#include "lib/elimination_kernels.hpp"
#include "lib/parallel.hpp"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kDefaultRepetitions = 5;
constexpr int kSampleSize = 1 << 15;  // operand sets of the floors, 1 MiB
constexpr double kMillion = 1.0E6;

double clock_seconds(clockid_t clock) {
  timespec t;
  clock_gettime(clock, &t);
  return t.tv_sec + t.tv_nsec * 1.0E-9;
}

// Elapsed seconds.
template <typename Body>
double seconds(Body body) {
  const auto start = Clock::now();
  body();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor seconds of the calling thread, for work done on it alone: other
// programs taking turns on its core do not count, as they would in elapsed
// time, so ratios between such figures hold on a busy machine too.
template <typename Body>
double thread_seconds(Body body) {
  const double start = clock_seconds(CLOCK_THREAD_CPUTIME_ID);
  body();
  return clock_seconds(CLOCK_THREAD_CPUTIME_ID) - start;
}

struct Repetition {
  double whole, whole_cpu;           // elapsed, and processor time of all threads
  double assembly, solve, internal;  // elapsed, on the machine's threads
  // Processor time, on one thread: assembly and internal points, DPVT, the
  // column-oriented elimination and the two floors.
  double one_thread, solve_one_thread, column_oriented, floor, libm_floor;
};

// What every run must reproduce bit for bit.
struct Results {
  velda::Array<double, velda::MAXEL> POTB, DPOTB;
  velda::Array<double, velda::MAXINT> GRDX, GRDY;
};

template <typename T>
bool same_bits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool same_results(const Results& a, const Results& b) {
  return same_bits(a.POTB, b.POTB) && same_bits(a.DPOTB, b.DPOTB) && same_bits(a.GRDX, b.GRDX) &&
         same_bits(a.GRDY, b.GRDY);
}

Results results_of(const velda::Velda& v) { return {v.POTB, v.DPOTB, v.GRDX, v.GRDY}; }

// The program's main on the files of `folder`, the state's allocation
// included; the state is kept for the steps timed on their own.
std::unique_ptr<velda::Velda> whole_run(const fs::path& folder, double& elapsed,
                                        double& processor) {
  const std::vector<std::string> args = {"velda", (folder / "capacity.in").string(),
                                         (folder / "capacity.out").string()};
  std::istringstream typed;
  std::ostringstream console, error;
  runcontrol::DiskFiles disk;
  std::unique_ptr<velda::Velda> state;
  int status = 0;
  const double processor_start = clock_seconds(CLOCK_PROCESS_CPUTIME_ID);
  elapsed = seconds([&] {
    state = std::make_unique<velda::Velda>();
    status = velda::run(*state, args, {typed, console, error}, disk);
  });
  processor = clock_seconds(CLOCK_PROCESS_CPUTIME_ID) - processor_start;
  if (status != 0) throw std::runtime_error("the capacity run failed: " + error.str());
  return state;
}

long long influence_calls(const velda::Velda& v) {
  const int images = (v.ISYMX != 0 ? 2 : 1) * (v.ISYMY != 0 ? 2 : 1);
  return static_cast<long long>(images) * v.NELEM * (v.NELEM + 3LL * v.NINTP);
}

// Assembly, solution and internal points timed one by one on the state of a
// whole run, whose results they must reproduce; the column-oriented
// elimination solves a copy of the same system. Leaves its solution in
// `solution`.
void time_steps(velda::Velda& v, const Results& expected, std::vector<double>& solution,
                Repetition& t, bool& identical) {
  t.assembly = seconds([&] { velda::GHMAMPC(v); });
  std::vector<double> A(v.AMAT.data(), v.AMAT.data() + velda::MAXEL * velda::MAXEL);
  solution.assign(v.DPOTB.data(), v.DPOTB.data() + velda::MAXEL);
  int IER = 0, column_IER = 0;
  t.solve = seconds([&] {
    lib::DPVT(v.AMAT.data(), v.DPOTB.data(), v.NELEM, 1, velda::MAXEL, velda::kPivotTolerance, IER);
  });
  t.column_oriented = thread_seconds([&] {
    fixtures::column_oriented_elimination(A.data(), solution.data(), v.NELEM, 1, velda::MAXEL,
                                          velda::kPivotTolerance, column_IER);
  });
  identical = identical && IER == column_IER &&
              std::memcmp(solution.data(), v.DPOTB.data(), v.NELEM * sizeof(double)) == 0;
  v.POTB = expected.POTB;
  v.DPOTB = expected.DPOTB;
  t.internal = seconds([&] { velda::INTEMPC(v); });
  identical = identical && same_results(results_of(v), expected);
}

// The same on one thread. The influence calls of assembly and internal
// points are timed together, the solution on its own.
void time_one_thread(velda::Velda& v, const Results& expected, const std::vector<double>& solution,
                     Repetition& t, bool& identical) {
  lib::testing::override_thread_count(1);
  t.one_thread = thread_seconds([&] { velda::GHMAMPC(v); });
  int IER = 0;
  t.solve_one_thread = thread_seconds([&] {
    lib::DPVT(v.AMAT.data(), v.DPOTB.data(), v.NELEM, 1, velda::MAXEL, velda::kPivotTolerance, IER);
  });
  identical =
      identical && std::memcmp(solution.data(), v.DPOTB.data(), v.NELEM * sizeof(double)) == 0;
  v.POTB = expected.POTB;
  v.DPOTB = expected.DPOTB;
  t.one_thread += thread_seconds([&] { velda::INTEMPC(v); });
  lib::testing::override_thread_count(0);
  identical = identical && same_results(results_of(v), expected);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

template <typename Field>
double median_of(const std::vector<Repetition>& reps, Field field) {
  std::vector<double> values;
  for (const Repetition& r : reps) values.push_back(field(r));
  return median(values);
}

// The machine's load average over the last minute: other work competing for
// the cores shows in the figures.
std::string load_average() {
  std::ifstream loadavg("/proc/loadavg");
  std::string one_minute;
  loadavg >> one_minute;
  return one_minute.empty() ? "unknown" : one_minute;
}

std::string processor_name() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  for (std::string line; std::getline(cpuinfo, line);)
    if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
  return "unknown processor";
}

void print_header() {
  std::printf("%-8s %7s %9s %9s %7s %9s %11s %9s %10s %7s %11s\n", "", "whole", "whole-cpu",
              "assembly", "solve", "internal", "one-thread", "solve-1t", "column-1t", "floor",
              "libm-floor");
}

void print_row(const char* label, const Repetition& r) {
  std::printf("%-8s %7.3f %9.3f %9.3f %7.3f %9.3f %11.3f %9.3f %10.3f %7.3f %11.3f\n", label,
              r.whole, r.whole_cpu, r.assembly, r.solve, r.internal, r.one_thread,
              r.solve_one_thread, r.column_oriented, r.floor, r.libm_floor);
}

void print_summary(const std::vector<Repetition>& reps, long long calls, bool identical) {
  auto over_runs = [&](auto field) { return median_of(reps, field); };
  const Repetition m = {
      over_runs([](const Repetition& r) { return r.whole; }),
      over_runs([](const Repetition& r) { return r.whole_cpu; }),
      over_runs([](const Repetition& r) { return r.assembly; }),
      over_runs([](const Repetition& r) { return r.solve; }),
      over_runs([](const Repetition& r) { return r.internal; }),
      over_runs([](const Repetition& r) { return r.one_thread; }),
      over_runs([](const Repetition& r) { return r.solve_one_thread; }),
      over_runs([](const Repetition& r) { return r.column_oriented; }),
      over_runs([](const Repetition& r) { return r.floor; }),
      over_runs([](const Repetition& r) { return r.libm_floor; }),
  };
  print_row("median", m);
  std::printf("\nratios, median over the runs of the ratio within each run:\n");
  std::printf("  whole run / C library's floor              %6.3f   (target <= 0.30)\n",
              over_runs([](const Repetition& r) { return r.whole / r.libm_floor; }));
  std::printf("  whole run / floor                          %6.3f\n",
              over_runs([](const Repetition& r) { return r.whole / r.floor; }));
  std::printf("  whole run's processor time / floor         %6.3f\n",
              over_runs([](const Repetition& r) { return r.whole_cpu / r.floor; }));
  std::printf("  influence calls on one thread / floor      %6.3f   (target <= 1.3)\n",
              over_runs([](const Repetition& r) { return r.one_thread / r.floor; }));
  std::printf("  floor / C library's floor                  %6.3f\n",
              over_runs([](const Repetition& r) { return r.floor / r.libm_floor; }));
  std::printf("  column-oriented elimination / solver       %6.1f   (target >= 4)\n",
              over_runs([](const Repetition& r) { return r.column_oriented / r.solve; }));
  std::printf(
      "  column-oriented elimination / solver, 1t   %6.1f\n",
      over_runs([](const Repetition& r) { return r.column_oriented / r.solve_one_thread; }));
  std::printf(
      "influence calls per second (medians): %.1f million on all threads, %.1f million on\n"
      "one thread, %.1f million at the floor, %.1f million at the C library's\n",
      calls / (m.assembly + m.internal) / kMillion, calls / m.one_thread / kMillion,
      calls / m.floor / kMillion, calls / m.libm_floor / kMillion);
  std::printf("results the same bits on every run, thread count and solver: %s\n",
              identical ? "yes" : "NO");
}

}  // namespace

int main(int argc, char** argv) {
  velda::choose_influence_maths(std::getenv("VELDA_SIMD"));
  const int repetitions = argc > 1 ? std::stoi(argv[1]) : kDefaultRepetitions;
  const fs::path folder = fs::temp_directory_path() / ("velda_bench_" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "capacity.in", std::ios::binary)
      << fixtures::quarter_box_case(fixtures::kCapacityElements, fixtures::kCapacityInternalPoints);

  double warm_up, warm_up_processor;
  const std::unique_ptr<velda::Velda> v = whole_run(folder, warm_up, warm_up_processor);
  const Results expected = results_of(*v);
  const long long calls = influence_calls(*v);
  const bench::MathsOperands sample = bench::sample_operands(*v, kSampleSize);

  std::printf(
      "capacity case: %d elements, %d internal points, both symmetries: %lld influence "
      "calls\n",
      v->NELEM, v->NINTP, calls);
  std::printf("%s, %d threads, %s elimination kernels, %s influence maths; load average %s\n\n",
              processor_name().c_str(), lib::thread_count(), lib::elimination_kernels().name,
              velda::influence_maths().name, load_average().c_str());
  std::printf(
      "seconds: elapsed; whole-cpu processor time of all threads; one-thread, solve-1t,\n"
      "column-1t, floor (SLEEF) and libm-floor processor time of the one thread doing the work\n");
  print_header();

  bool identical = true;
  volatile double floor_sums = 0.0;  // the floor's calls must not be optimised away
  std::vector<double> solution;
  std::vector<Repetition> reps;
  for (int r = 1; r <= repetitions; ++r) {
    Repetition t{};
    const std::unique_ptr<velda::Velda> run = whole_run(folder, t.whole, t.whole_cpu);
    identical = identical && same_results(results_of(*run), expected);
    time_steps(*v, expected, solution, t, identical);
    time_one_thread(*v, expected, solution, t, identical);
    double sum = 0.0;
    t.floor = thread_seconds([&] { sum = bench::sleef_floor(sample, calls); });
    floor_sums = floor_sums + sum;
    t.libm_floor = thread_seconds([&] { sum = bench::libm_floor(sample, calls); });
    floor_sums = floor_sums + sum;
    reps.push_back(t);
    print_row(("run " + std::to_string(r)).c_str(), t);
  }
  print_summary(reps, calls, identical);
  std::printf("load average at the end %s\n", load_average().c_str());
  fs::remove_all(folder);
  return identical ? 0 : 1;
}
