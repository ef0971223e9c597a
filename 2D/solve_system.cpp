#include "2D/solve_system.hpp"

#include <string>

#include "2D/driver.hpp"
#include "lib/DPVT.hpp"
#include "runcontrol/failure.hpp"

namespace velda {

int solve_system(Velda& v, double* B, int sides) {
  int IER = 0;
  try {
    lib::DPVT(v.AMAT.data(), B, v.NELEM, sides, MAXEL, kPivotTolerance, IER);
  } catch (const lib::SingularMatrix& singular) {
    throw runcontrol::Failure(
        runcontrol::Statement::ARITHMETIC, "singular system",
        "the system of equations is singular: its pivot at elimination stage " +
            std::to_string(singular.stage) +
            " is exactly zero (do two boundaries lie on each other?)");
  }
  return IER;
}

}  // namespace velda
