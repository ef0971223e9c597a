#include "tools/matrix/symmetry.hpp"

#include <string>

#include "2D/images.hpp"
#include "tools/matrix/problem.hpp"

namespace matrix {
namespace {

constexpr int kSymmetric = 1;
constexpr int kAntisymmetric = -1;

void check_flag(int flag, const char* name, const char* axis) {
  if (flag == 0 || flag == kSymmetric) return;
  const std::string which = std::string(name) + " = " + std::to_string(flag);
  if (flag == kAntisymmetric)
    throw Refusal(which +
                  ": an antisymmetric image holds the mirror image of every conductor at the "
                  "opposite potential, so no conductor of the whole device is ever driven alone "
                  "and its matrix cannot be formed; describe the whole device (no image about "
                  "the " +
                  axis + ") or, where it is symmetric, its half with the flag 1");
  throw Refusal(which + ": a mirror image weighted " + std::to_string(flag) +
                " belongs to no device, so there is no matrix to give; use 1 (symmetric) or 0 "
                "(no image about the " +
                axis + ")");
}

}  // namespace

int copies(const velda::Velda& v) {
  check_flag(v.ISYMX, "X-SYMMETRY", "y axis");
  check_flag(v.ISYMY, "Y-SYMMETRY", "x axis");
  return velda::mirror_images(v.ISYMX, v.ISYMY).count;
}

// The shoelace sum over the elements, start to end: twice the signed area
// enclosed by closed chains of them.
bool open_to_infinity(const velda::Velda& v) {
  double twice_area = 0.0;
  for (int J = 1; J <= v.NELEM; ++J) twice_area += v.XP(J) * v.YE(J) - v.YP(J) * v.XE(J);
  return !(twice_area > 0.0);
}

}  // namespace matrix
