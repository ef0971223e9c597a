// The problem state of one run and the steps that work on it.
//
// Every array is sized for the fixed capacities and indexed from 1, so that
// the code reads like the formulas: XP(J), AMAT(I, J). The state is allocated
// once, zero-filled, when the process starts; nothing is allocated later.
// GLOSSARY.md, beside this file, says what each short name holds.
#pragma once

#include <array>
#include <cassert>
#include <string>

#include "lib/point.hpp"

namespace textio {
struct Units;
}

namespace velda {

inline constexpr int MAXEL = 1600;             // elements = nodes = unknowns
inline constexpr int MAXINT = 5000;            // internal points
inline constexpr int MAXBND = 21;              // boundaries
inline constexpr int MAXPNT = MAXEL + MAXBND;  // boundary points as read

// The influence integrals take the elements in batches of this many,
// 1 ... kInfluenceBatch, then on: a batch's working arrays, 10 KiB, stay in
// the first-level cache.
inline constexpr int kInfluenceBatch = 128;
inline constexpr int MAXBATCH = (MAXEL + kInfluenceBatch - 1) / kInfluenceBatch;
static_assert(MAXBATCH * kInfluenceBatch >= MAXEL, "a batch box for every element");

inline constexpr int kInputUnit = 5;   // the input file's unit
inline constexpr int kReportUnit = 6;  // the report file's unit

// A fixed-size array indexed from 1.
template <typename T, int N>
class Array {
 public:
  T& operator()(int i) {
    assert(1 <= i && i <= N);
    return a_[i - 1];
  }
  const T& operator()(int i) const {
    assert(1 <= i && i <= N);
    return a_[i - 1];
  }
  T* data() { return a_.data(); }
  const T* data() const { return a_.data(); }

 private:
  std::array<T, N> a_;
};

// MAXEL x MAXEL reals stored column by column: (i, j) is element
// (i - 1) + LD * (j - 1) of the storage.
class Matrix {
 public:
  static constexpr int LD = MAXEL;

  double& operator()(int i, int j) {
    assert(1 <= i && i <= LD && 1 <= j && j <= LD);
    return a_[(i - 1) + LD * (j - 1)];
  }
  double operator()(int i, int j) const {
    assert(1 <= i && i <= LD && 1 <= j && j <= LD);
    return a_[(i - 1) + LD * (j - 1)];
  }
  double* data() { return a_.data(); }

 private:
  std::array<double, LD * LD> a_;
};

// The smallest and largest coordinates of a set of points.
struct Box {
  double xmin, xmax, ymin, ymax;
};

// Everything that more than one step of a run uses. Value-initialise it
// (std::make_unique<Velda>()) to get the zero-filled start state.
struct Velda {
  Matrix AMAT;                       // system matrix, destroyed by the solution
  Array<double, MAXINT> XINT, YINT;  // internal points
  Array<double, MAXINT> POTI;        // their potentials; later the group currents
  Array<int, MAXEL> KBC;             // boundary-condition code of each node
  Array<double, MAXEL> ELEN;         // element lengths
  Array<double, MAXEL> TANX, TANY;   // unit tangents, start to end
  Array<double, MAXEL> BCVAL;        // impedance Z of code-2 nodes
  Array<double, MAXEL> BCIMP;        // EPS of code-3 nodes
  Array<double, MAXPNT> XP, YP;      // points as read; element start points after GEOM
  Array<double, MAXEL> XE, YE;       // element end points
  Array<double, MAXEL> XN, YN;       // nodes (element midpoints)
  Array<Box, MAXBATCH> BATCHBOX;     // box of the start and end points of each batch
  Array<double, MAXEL> POTB;         // prescribed values; potentials after REORDER
  Array<double, MAXEL> DPOTB;        // right-hand side, solution, then normal derivatives
  int NELEM;
  int NINTP;
  Array<int, MAXBND> LASTND;  // position of each boundary's last point
  int NBND;
  int input_unit;                    // 5
  int report_unit;                   // 6
  int ISYMX, ISYMY;                  // symmetry weights about the y and the x axis
  Array<double, MAXINT> GRDX, GRDY;  // potential gradient at the internal points
};

// The steps of a run, in the order the driver calls them.
void INPUMPC(Velda& v, textio::Units& u);
void GEOM(Velda& v);
void GHMAMPC(Velda& v);
void REORDER(Velda& v);
void INTEMPC(Velda& v);
void OUTPMPC(const Velda& v, textio::Units& u);
void CURRENT(Velda& v, textio::Units& u);

// The influence of element J on the field point (X, Y).
void INFL2D(const Velda& v, double X, double Y, int J, double& G, double& H);

// The potential at (X, Y) from the boundary solution.
void POTENT(const Velda& v, double X, double Y, double& U);
// The same at three points, faster than one at a time and the same bits.
void POTENT(const Velda& v, const lib::Point (&at)[3], double (&U)[3]);

}  // namespace velda
