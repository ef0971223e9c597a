// DPVT bit for bit against the textbook elimination in every way it can run,
// and on the cases random matrices do not reach: pivot ties, the threshold's
// exact rounding, infinite entries and exactly zero pivots.
#include "lib/DPVT.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "2D/driver.hpp"
#include "fixtures/column_oriented_elimination.hpp"
#include "lib/elimination_kernels.hpp"
#include "lib/parallel.hpp"

namespace {

using Rows = std::vector<std::vector<double>>;
using velda::kPivotTolerance;

// A column-major system: A is n x n and B n x nrhs, leading dimension ld. The
// rows below n are filled with 1E300: were one ever read into the threshold,
// every pivot would be flagged.
struct System {
  int n, ld, nrhs;
  std::vector<double> A, B;

  System(int n, int ld, int nrhs)
      : n(n), ld(ld), nrhs(nrhs), A(ld * n, 1E300), B(ld * nrhs, 1E300) {}
  double& a(int i, int j) { return A[(i - 1) + (j - 1) * ld]; }
  double& b(int i, int c) { return B[(i - 1) + (c - 1) * ld]; }

  int solve(double tol) {
    int IER = 1;
    lib::DPVT(A.data(), B.data(), n, nrhs, ld, tol, IER);
    return IER;
  }
};

// The system of the rows, with the right-hand side 1, 2, ... n.
System from_rows(const Rows& rows) {
  const int n = static_cast<int>(rows.size());
  System s(n, n, 1);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) s.a(i, j) = rows[i - 1][j - 1];
    s.b(i, 1) = i;
  }
  return s;
}

enum class Kind { Dense, CyclicDominant, SparseCyclicDominant };

// Entries uniform in [-1, 1]. The cyclic kinds add 4n at (k+1, k) and (1, n):
// each stage then pivots on the row just below the diagonal, an interchange
// at every stage. The sparse kind makes most entries of A and B +0 or -0, so
// that many multipliers are exactly zero and the signs of zeros are tested.
System random_system(int n, int ld, int nrhs, Kind kind, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> entry(-1.0, 1.0);
  std::bernoulli_distribution zero(0.7), negative(0.5);
  auto draw = [&] {
    const double x = entry(gen);
    if (kind == Kind::SparseCyclicDominant && zero(gen)) return negative(gen) ? -0.0 : 0.0;
    return x;
  };
  System s(n, ld, nrhs);
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i) s.a(i, j) = draw();
  if (kind != Kind::Dense)
    for (int k = 1; k <= n; ++k) s.a(k % n + 1, k) += 4.0 * n;
  for (int c = 1; c <= nrhs; ++c)
    for (int i = 1; i <= n; ++i) s.b(i, c) = draw();
  return s;
}

::testing::AssertionResult same_bits(const std::vector<double>& x, const std::vector<double>& y) {
  for (size_t m = 0; m < x.size(); ++m)
    if (std::memcmp(&x[m], &y[m], sizeof(double)) != 0)
      return ::testing::AssertionFailure()
             << "storage position " << m << ": " << x[m] << " vs " << y[m];
  return ::testing::AssertionSuccess();
}

// The solver's ways of running, applied for the life of the object: vector
// or portable kernels, one thread or more threads than the machine has cores.
struct Configuration {
  bool portable;
  int threads;
};
const Configuration kConfigurations[] = {{false, 1}, {false, 3}, {true, 1}, {true, 3}};

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
// random matrices, so IER is compared non-zero as well. Two right-hand sides
// and rows below N in the storage, which must come back untouched.
TEST(DPVT, MatchesTheTextbookLoopBitForBit) {
  for (int n : {1, 2, 3, 4, 7, 8, 9, 15, 16, 17, 31, 32, 33, 34, 63, 65, 100, 257, 300, 520})
    for (Kind kind : {Kind::Dense, Kind::CyclicDominant, Kind::SparseCyclicDominant})
      for (double tol : {kPivotTolerance, 1.0}) {
        const System given = random_system(n, n + 2, 2, kind, n + 10 * int(kind));
        System reference = given;
        int reference_IER = 1;
        fixtures::column_oriented_elimination(reference.A.data(), reference.B.data(), n, 2, n + 2,
                                              tol, reference_IER);
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

// Of two candidate pivots of equal magnitude the upper row is taken, below
// the diagonal and on it.
TEST(DPVT, PivotsOfEqualMagnitudeKeepTheUpperRow) {
  System below = from_rows({{1, 5, 6}, {2, 1, 0}, {-2, 0, 1}});
  below.solve(kPivotTolerance);
  EXPECT_EQ(below.a(1, 1), 2.0);
  EXPECT_EQ(below.a(1, 2), 1.0);
  EXPECT_EQ(below.a(1, 3), 0.0);

  System on_diagonal = from_rows({{2, 1}, {-2, 3}});
  on_diagonal.solve(kPivotTolerance);
  EXPECT_EQ(on_diagonal.a(2, 2), 4.0);
  EXPECT_EQ(on_diagonal.b(1, 1), 0.125);
  EXPECT_EQ(on_diagonal.b(2, 1), 0.75);
}

// The threshold is TOL times the mean |A(i, j)|; with TOL = 1 it is 3 for
// [[3]] and 1 for the 2 x 2 diagonal matrices, met exactly by one pivot. The
// last two matrices have their smallest pivot, 1, exactly at the threshold
// only when it is computed as (1 / N^2) * TOL * S with S summed row by row:
// any other order rounds above 1 and flags stage 1.
TEST(DPVT, PivotJustBelowTheThresholdIsFlagged) {
  const double just_above_one = std::nextafter(1.0, 2.0);
  const struct {
    Rows rows;
    double tol;
    int IER;
  } cases[] = {
      {{{3}}, 1.0, 0},
      {{{3}}, just_above_one, -1},
      {{{1, 0}, {0, 3}}, 1.0, 0},
      {{{1, 0}, {0, 3}}, just_above_one, -1},
      {{{3, 0}, {0, 1}}, 1.0, 0},
      {{{3, 0}, {0, 1}}, just_above_one, -2},
      {{{1, std::ldexp(1.0, -53)}, {std::ldexp(1.0, -52), 1}}, 2.0, 0},
      {{{1, 0, 0}, {0, 8, 0}, {0, 0, 1}}, std::nextafter(0.9, 1.0), 0},
  };
  for (const auto& c : cases) {
    System s = from_rows(c.rows);
    EXPECT_EQ(s.solve(c.tol), c.IER) << "order " << c.rows.size() << ", TOL " << c.tol;
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
    EXPECT_EQ(solved.solve(kPivotTolerance), -1);
    EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
    EXPECT_TRUE(same_bits(solved.A, given.A));
  }
}

TEST(DPVT, ZeroPivotThrowsBeforeDividingByIt) {
  const struct {
    Rows rows;
    int stage;
  } cases[] = {
      {{{0}}, 1},
      {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 1},
      {{{1, 2, 0}, {2, 4, 1}, {4, 8, 3}}, 2},  // stage 1 pivots on row 3, leaving column 2 zero
      {{{1, 2}, {2, 4}}, 2},                   // the last diagonal element
  };
  for (const auto& c : cases) {
    System s = from_rows(c.rows);
    int stage = 0;
    try {
      s.solve(kPivotTolerance);
    } catch (const lib::SingularMatrix& e) {
      stage = e.stage;
    }
    EXPECT_EQ(stage, c.stage) << "order " << c.rows.size();
    const auto finite = [](double x) { return std::isfinite(x); };
    EXPECT_TRUE(std::ranges::all_of(s.A, finite) && std::ranges::all_of(s.B, finite));
  }
}

}  // namespace
