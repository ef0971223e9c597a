#include "gmsh_import/capacity.hpp"

#include <cstdio>
#include <string>

#include "2D/VELDA.hpp"
#include "gmsh_import/gmsh_import.hpp"

namespace gmsh_import {
namespace {

// The number of elements on a curve goes as 1 / size factor, rounded: aim
// a little below the capacity and try again from what a try gives.
constexpr double kAim = 0.98;
constexpr int kTries = 8;

// The factor rounded up to three significant digits, as the message shows
// it and the check meshes with it.
double shown(double factor) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", factor * 1.005);
  return std::stod(text);
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

}  // namespace

void check_elements(int elements, double size_factor, const ElementsAt* elements_at) {
  if (elements <= velda::MAXEL) return;
  const std::string over = "the model gives " + std::to_string(elements) +
                           " elements at size factor " + number(size_factor) +
                           ", more than velda's " + std::to_string(velda::MAXEL);
  if (elements_at == nullptr)
    throw ImportError(over +
                      ": mesh the model coarser (this is a mesh file, which is taken as it is)");
  double factor = size_factor;
  int count = elements;
  for (int t = 0; t < kTries; ++t) {
    factor = shown(factor * count / (kAim * velda::MAXEL));
    count = (*elements_at)(factor);
    if (count <= velda::MAXEL)
      throw ImportError(over + ": give --size-factor " + number(factor) + ", at which it gives " +
                        std::to_string(count));
  }
  throw ImportError(over + ": even at size factor " + number(factor) + " it gives " +
                    std::to_string(count) + "; make the model simpler, with fewer curves");
}

void check_boundaries_and_points(int boundaries, int internal_points) {
  if (boundaries > velda::MAXBND)
    throw ImportError("the model's curves make " + std::to_string(boundaries) +
                      " boundaries, more than velda's " + std::to_string(velda::MAXBND) +
                      ": join curves into fewer closed chains, or solve parts of the model apart");
  if (internal_points > velda::MAXINT)
    throw ImportError("the model has " + std::to_string(internal_points) +
                      " internal points, more than velda's " + std::to_string(velda::MAXINT) +
                      ": give fewer points named 'internal' or listed by --points");
}

}  // namespace gmsh_import
