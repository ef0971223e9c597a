// DPVT against closed forms, the backward error ||b - Ax|| / (n ||A|| ||x||)
// and, bit for bit, the textbook row-by-row loop.
#include "lib/DPVT.hpp"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "lib/elimination_kernels.hpp"
#include "lib/parallel.hpp"
#include "tests/lib/reference_dpvt.hpp"

namespace {

using Rows = std::vector<std::vector<double>>;

constexpr double kEps = std::numeric_limits<double>::epsilon();
// Backward error of a stable solve: a small multiple of the unit roundoff.
constexpr double kBackwardErrorLimit = 10 * kEps;
constexpr double kProgramTol = 1.0E-5;  // the tolerance the program solves with
// Fills the rows below N of the storage: were it ever read into the
// threshold, every pivot would be flagged.
constexpr double kPadding = 1.0E300;

// A column-major system: A is n x n and B n x nrhs, leading dimension ld.
struct System {
  int n, ld, nrhs;
  std::vector<double> A, B;

  System(int n, int ld, int nrhs)
      : n(n), ld(ld), nrhs(nrhs), A(ld * n, kPadding), B(ld * nrhs, kPadding) {}
  double& a(int i, int j) { return A[(i - 1) + (j - 1) * ld]; }
  double& b(int i, int c) { return B[(i - 1) + (c - 1) * ld]; }
  double a(int i, int j) const { return A[(i - 1) + (j - 1) * ld]; }
  double b(int i, int c) const { return B[(i - 1) + (c - 1) * ld]; }

  int solve(double tol) {
    int IER = 1;
    lib::DPVT(A.data(), B.data(), n, nrhs, ld, tol, IER);
    return IER;
  }
  int solve_by_reference(double tol) {
    int IER = 1;
    lib_test::reference_dpvt(A.data(), B.data(), n, nrhs, ld, tol, IER);
    return IER;
  }
};

System from_rows(const Rows& rows, const std::vector<double>& rhs) {
  const int n = static_cast<int>(rows.size());
  System s(n, n, 1);
  int i = 1;
  for (const auto& row : rows) {
    int j = 1;
    for (double v : row) s.a(i, j++) = v;
    ++i;
  }
  i = 1;
  for (double v : rhs) s.b(i++, 1) = v;
  return s;
}

enum class Kind { Dense, CyclicDominant, SparseCyclicDominant };

// Entries uniform in [-1, 1]. The cyclic kinds add 4n at (k+1, k) and (1, n):
// each stage then pivots on the row just below the diagonal, an interchange
// at every stage, and the matrix stays well conditioned. The sparse kind
// makes most entries of A and B +0 or -0, so that many multipliers are
// exactly zero and the signs of zeros are put to the test.
System random_system(int n, int ld, int nrhs, Kind kind, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> entry(-1.0, 1.0);
  std::bernoulli_distribution zero(0.7), negative(0.5);
  System s(n, ld, nrhs);
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i) {
      s.a(i, j) = entry(gen);
      if (kind == Kind::SparseCyclicDominant && zero(gen)) s.a(i, j) = negative(gen) ? -0.0 : 0.0;
    }
  if (kind != Kind::Dense)
    for (int k = 1; k <= n; ++k) s.a(k % n + 1, k) += 4.0 * n;
  for (int c = 1; c <= nrhs; ++c)
    for (int i = 1; i <= n; ++i) {
      s.b(i, c) = entry(gen);
      if (kind == Kind::SparseCyclicDominant && zero(gen)) s.b(i, c) = negative(gen) ? -0.0 : 0.0;
    }
  return s;
}

// ||b - A x||_inf / (n ||A||_inf ||x||_inf) for column c, A and b from
// `given`, x from `solved`.
double backward_error(const System& given, const System& solved, int c) {
  double residual = 0.0, normA = 0.0, normx = 0.0;
  for (int i = 1; i <= given.n; ++i) {
    double r = given.b(i, c), row = 0.0;
    for (int j = 1; j <= given.n; ++j) {
      r -= given.a(i, j) * solved.b(j, c);
      row += std::abs(given.a(i, j));
    }
    residual = std::max(residual, std::abs(r));
    normA = std::max(normA, row);
    normx = std::max(normx, std::abs(solved.b(i, c)));
  }
  return residual / (given.n * normA * normx);
}

::testing::AssertionResult same_bits(const std::vector<double>& x, const std::vector<double>& y) {
  if (x.size() != y.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (size_t m = 0; m < x.size(); ++m)
    if (std::memcmp(&x[m], &y[m], sizeof(double)) != 0)
      return ::testing::AssertionFailure()
             << "storage position " << m << ": " << x[m] << " vs " << y[m];
  return ::testing::AssertionSuccess();
}

bool all_finite(const std::vector<double>& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

TEST(DPVT, OrderOneDividesEachRightHandSideByTheEntry) {
  System s(1, 1, 2);
  s.a(1, 1) = 4.0;
  s.b(1, 1) = 10.0;
  s.b(1, 2) = -6.0;
  EXPECT_EQ(s.solve(1.0), 0);
  EXPECT_EQ(s.b(1, 1), 2.5);
  EXPECT_EQ(s.b(1, 2), -1.5);
}

TEST(DPVT, AntiDiagonalSystemInterchangesTheRows) {
  System s = from_rows({{0, 1}, {1, 0}}, {1, 2});
  EXPECT_EQ(s.solve(kProgramTol), 0);
  EXPECT_EQ(s.b(1, 1), 2.0);
  EXPECT_EQ(s.b(2, 1), 1.0);
  EXPECT_EQ(s.a(1, 1), 1.0);
  EXPECT_EQ(s.a(1, 2), 0.0);
  EXPECT_EQ(s.a(2, 2), 1.0);
}

// Updating the interchanged row with f = 0 would give b2 = -0 - (-2 * 0) = +0.
TEST(DPVT, RowWithZeroMultiplierIsLeftUntouched) {
  System s = from_rows({{0, 1}, {1, 0}}, {-0.0, -2});
  EXPECT_EQ(s.solve(kProgramTol), 0);
  EXPECT_EQ(s.b(1, 1), -2.0);
  EXPECT_EQ(s.b(2, 1), 0.0);
  EXPECT_TRUE(std::signbit(s.b(2, 1)));
}

TEST(DPVT, PivotsOfEqualMagnitudeKeepTheUpperRow) {
  System below = from_rows({{1, 5, 6}, {2, 1, 0}, {-2, 0, 1}}, {1, 2, 3});
  const System given_below = below;
  below.solve(kProgramTol);
  EXPECT_EQ(below.a(1, 1), 2.0);
  EXPECT_EQ(below.a(1, 2), 1.0);
  EXPECT_EQ(below.a(1, 3), 0.0);
  EXPECT_LT(backward_error(given_below, below, 1), kBackwardErrorLimit);

  System on_diagonal = from_rows({{2, 1}, {-2, 3}}, {3, 1});
  on_diagonal.solve(kProgramTol);
  EXPECT_EQ(on_diagonal.a(1, 1), 2.0);
  EXPECT_EQ(on_diagonal.a(1, 2), 1.0);
  EXPECT_EQ(on_diagonal.a(2, 2), 4.0);
  EXPECT_EQ(on_diagonal.b(1, 1), 1.0);
  EXPECT_EQ(on_diagonal.b(2, 1), 1.0);
}

struct FlagCase {
  std::string name;
  Rows rows;
  std::vector<double> rhs;
  double tol;
  int IER;
};

// The threshold is TOL times the mean |A(i, j)|; with TOL = 1 it is 3 for
// [[3]] and 1 for the 2 x 2 diagonal matrices, met exactly by one pivot.
const double kJustAboveOne = std::nextafter(1.0, 2.0);
// Two systems whose threshold is exactly their smallest pivot, 1, only when
// computed as (1 / N^2) * TOL * S with S summed row by row. Summed column by
// column, 1 + 2^-53 + 2^-52 rounds up instead of down; TOL * S / 9 and
// (1 / 9) * (TOL * S) round above 1 as well. Each would flag stage 1.
const Rows kRowSumMatters = {{1, std::ldexp(1.0, -53)}, {std::ldexp(1.0, -52), 1}};
const Rows kProductOrderMatters = {{1, 0, 0}, {0, 8, 0}, {0, 0, 1}};
const double kProductOrderTol = std::nextafter(0.9, 1.0);

TEST(DPVT, FirstPivotBelowTheThresholdIsFlaggedAndTheSystemStillSolved) {
  const Rows nearly_singular = {{1, 1}, {1, 1 + 1e-7}};
  // Reduced pivots 2, about 1e-9, about 1e-9, 2.
  const Rows small_at_2_and_3 = {
      {2, 1, 1, 1}, {1, 0.5 + 1e-9, 0.5, 1.5}, {1, 0.5, 0.5 + 1e-9, 1.5}, {0, 0, 0, 2}};
  const std::vector<FlagCase> cases = {
      {"order one, pivot equal to threshold", {{3}}, {1}, 1.0, 0},
      {"order one, pivot just below threshold", {{3}}, {1}, kJustAboveOne, -1},
      {"first pivot equal to threshold", {{1, 0}, {0, 3}}, {1, 1}, 1.0, 0},
      {"first pivot just below threshold", {{1, 0}, {0, 3}}, {1, 1}, kJustAboveOne, -1},
      {"last pivot equal to threshold", {{3, 0}, {0, 1}}, {1, 1}, 1.0, 0},
      {"last pivot just below threshold", {{3, 0}, {0, 1}}, {1, 1}, kJustAboveOne, -2},
      {"threshold summed rows outer", kRowSumMatters, {1, 1}, 2.0, 0},
      {"threshold multiplied left to right", kProductOrderMatters, {1, 1, 1}, kProductOrderTol, 0},
      {"nearly singular", nearly_singular, {2, 2 + 1e-7}, kProgramTol, -2},
      {"nearly singular, zero tolerance", nearly_singular, {2, 2 + 1e-7}, 0.0, 0},
      {"small pivots at stages 2 and 3", small_at_2_and_3, {1, 2, 3, 4}, kProgramTol, -2},
      {"small pivots, zero tolerance", small_at_2_and_3, {1, 2, 3, 4}, 0.0, 0},
  };
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(c.name);
    System s = from_rows(c.rows, c.rhs);
    const System given = s;
    EXPECT_EQ(s.solve(c.tol), c.IER);
    EXPECT_TRUE(all_finite(s.B));
    EXPECT_LT(backward_error(given, s, 1), kBackwardErrorLimit);
  }
}

TEST(DPVT, NoRightHandSideReducesTheMatrixWithoutTouchingB) {
  const System given =
      from_rows({{2, 1, 1, 1}, {1, 0.5 + 1e-9, 0.5, 1.5}, {1, 0.5, 0.5 + 1e-9, 1.5}, {0, 0, 0, 2}},
                {1, 2, 3, 4});
  System with_b = given;
  with_b.solve(kProgramTol);
  // A null B: any read or write of it fails.
  std::vector<double> A = given.A;
  int IER = 1;
  lib::DPVT(A.data(), nullptr, given.n, 0, given.ld, kProgramTol, IER);
  EXPECT_EQ(IER, -2);
  EXPECT_TRUE(same_bits(A, with_b.A));
}

TEST(DPVT, RandomSystemsHaveSmallBackwardError) {
  for (int n : {1, 2, 3, 5, 17, 64, 200})
    for (int ld : {n, n + 3})
      for (Kind kind : {Kind::Dense, Kind::CyclicDominant}) {
        SCOPED_TRACE("n = " + std::to_string(n) + ", ld = " + std::to_string(ld));
        System s = random_system(n, ld, 1, kind, 1000 * n + ld);
        const System given = s;
        EXPECT_EQ(s.solve(kProgramTol), 0);
        EXPECT_LT(backward_error(given, s, 1), kBackwardErrorLimit);
        for (int j = 1; j <= n; ++j)
          for (int i = n + 1; i <= ld; ++i) EXPECT_EQ(s.a(i, j), kPadding);
      }
}

// Each column of B is solved with the same operations as if it were alone.
TEST(DPVT, SeveralRightHandSidesAreSolvedIndependently) {
  const int n = 40, ld = 45, nrhs = 3;
  System all = random_system(n, ld, nrhs, Kind::Dense, 7);
  const System given = all;
  EXPECT_EQ(all.solve(kProgramTol), 0);
  for (int c = 1; c <= nrhs; ++c) {
    SCOPED_TRACE("column " + std::to_string(c));
    EXPECT_LT(backward_error(given, all, c), kBackwardErrorLimit);
    System alone(n, ld, 1);
    alone.A = given.A;
    for (int i = 1; i <= ld; ++i) alone.b(i, 1) = given.b(i, c);
    alone.solve(kProgramTol);
    for (int i = 1; i <= n; ++i) EXPECT_EQ(alone.b(i, 1), all.b(i, c));
  }
}

// The solver's ways of running: vector or portable kernels, one thread or
// more threads than the machine has cores.
struct Configuration {
  bool portable;
  int threads;
};
const Configuration kConfigurations[] = {{false, 1}, {false, 3}, {true, 1}, {true, 3}};

// Applies a configuration for the life of the object.
class Configured {
 public:
  explicit Configured(Configuration c) {
    lib::testing::force_portable_kernels(c.portable);
    lib::testing::override_thread_count(c.threads);
  }
  ~Configured() {
    lib::testing::force_portable_kernels(false);
    lib::testing::override_thread_count(0);
  }
};

// Orders on both sides of the panel width (32), the block of columns (8) and
// the tile of rows (16), and past 256; TOL = 1 flags some stage of most
// random matrices, so IER is compared non-zero as well. The cyclic kinds
// interchange rows at every stage.
TEST(DPVT, MatchesTheTextbookLoopBitForBit) {
  for (int n : {1, 2, 3, 4, 7, 8, 9, 15, 16, 17, 31, 32, 33, 34, 63, 65, 100, 257, 300, 520})
    for (Kind kind : {Kind::Dense, Kind::CyclicDominant, Kind::SparseCyclicDominant})
      for (double tol : {kProgramTol, 1.0}) {
        const System given = random_system(n, n + 2, 2, kind, n + 10 * int(kind));
        System reference = given;
        const int reference_IER = reference.solve_by_reference(tol);
        for (const Configuration& c : kConfigurations) {
          SCOPED_TRACE("n = " + std::to_string(n) + ", kind " + std::to_string(int(kind)) +
                       ", TOL = " + std::to_string(tol) + (c.portable ? ", portable" : "") +
                       ", threads " + std::to_string(c.threads));
          const Configured configured(c);
          System solved = given;
          EXPECT_EQ(solved.solve(tol), reference_IER);
          EXPECT_TRUE(same_bits(solved.A, reference.A));
          EXPECT_TRUE(same_bits(solved.B, reference.B));
          if (kind != Kind::Dense) {
            for (int k = 1; k < n; ++k) EXPECT_GT(std::abs(solved.a(k, k)), 2.0 * n);
          }
        }
      }
}

// An upper triangular matrix with infinite entries above the diagonal and
// signed zeros below it: every multiplier is 0, so the textbook loop never
// forms infinity times 0. Neither may the solver, in any lane of any kernel,
// or it would raise the invalid-operation flag that ends a run. (The
// threshold is infinite: every stage is flagged.)
TEST(DPVT, ZeroMultipliersNeverMeetAnInfiniteEntry) {
  const int n = 50;  // two panels
  System given = random_system(n, n + 5, 0, Kind::Dense, 11);
  for (int j = 1; j <= n; ++j) {
    given.a(j, j) = 1.0 + j;
    for (int i = j + 1; i <= n; ++i) given.a(i, j) = (i + j) % 2 ? 0.0 : -0.0;
    if (j % 3 == 0) given.a(j / 3, j) = j % 2 ? INFINITY : -INFINITY;
  }
  for (const Configuration& c : kConfigurations) {
    SCOPED_TRACE(std::string(c.portable ? "portable" : "vector") + ", threads " +
                 std::to_string(c.threads));
    const Configured configured(c);
    System solved = given;
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(solved.solve(kProgramTol), -1);
    EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
    EXPECT_TRUE(same_bits(solved.A, given.A));
  }
}

struct SingularCase {
  std::string name;
  Rows rows;
  int stage;
};

TEST(DPVT, ZeroPivotThrowsBeforeDividingByIt) {
  const std::vector<SingularCase> cases = {
      {"order one", {{0}}, 1},
      {"zero matrix", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 1},
      // Stage 1 pivots on row 3 and leaves column 2 zero below row 1.
      {"column zero at stage 2", {{1, 2, 0}, {2, 4, 1}, {4, 8, 3}}, 2},
      {"last diagonal element zero", {{1, 2}, {2, 4}}, 2},
  };
  for (const SingularCase& c : cases) {
    SCOPED_TRACE(c.name);
    System s = from_rows(c.rows, {});
    for (int i = 1; i <= s.n; ++i) s.b(i, 1) = i;
    int stage = 0;
    try {
      s.solve(kProgramTol);
    } catch (const lib::SingularMatrix& e) {
      stage = e.stage;
    }
    EXPECT_EQ(stage, c.stage);
    EXPECT_TRUE(all_finite(s.A));
    EXPECT_TRUE(all_finite(s.B));
  }
}

}  // namespace
