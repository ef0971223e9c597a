// The mirror images of a field point under the symmetries of the problem, and
// the image-weighted influences of a batch of elements, shared by GHMAMPC and
// POTENT.
//
// ISYMX = 0 leaves x alone; any other value adds the image x -> -x with that
// value as its weight (1 symmetric, -1 antisymmetric), and ISYMY likewise for
// y. The x factor runs outside, the y factor inside, so with both flags set the
// images are (-x,-y), (-x,y), (x,-y), (x,y), weighted ISYMX*ISYMY, ISYMX,
// ISYMY, 1. Reflecting the field point instead of the element gives the
// mirrored element with its mirrored normal: a reflection keeps distances and
// reverses the direction of travel.
#pragma once

#include <array>

#include "2D/VELDA.hpp"
#include "2D/codes.hpp"

namespace velda {

struct Image {
  double KX, KY;  // factors of x and y, -1 or 1
  double s;       // weight
};

// At most: both symmetries give (-x,-y), (-x,y), (x,-y), (x,y).
inline constexpr int kMaxImages = 4;

struct Images {
  std::array<Image, kMaxImages> image;
  int count;
};

inline Images mirror_images(int ISYMX, int ISYMY) {
  const double factor[2] = {-1.0, 1.0};
  // Reals: the product of two flags can overflow an int; below 2^53 in
  // magnitude it is exact either way.
  const double x_weight[2] = {static_cast<double>(ISYMX), 1.0};
  const double y_weight[2] = {static_cast<double>(ISYMY), 1.0};
  Images m{};
  for (int a = ISYMX != 0 ? 0 : 1; a < 2; ++a) {
    for (int b = ISYMY != 0 ? 0 : 1; b < 2; ++b) {
      m.image[m.count++] = {factor[a], factor[b], x_weight[a] * y_weight[b]};
    }
  }
  return m;
}

// Gs[e] <- s G + Gs[e] and Hs[e] <- s H + Hs[e] over the images of (X, Y) in
// order, G and H the influence of element J = first + e, for e = 0 ...
// count-1 (count <= kInfluenceBatch). An interface element (code 3) has the
// medium beyond it weigh its double layer: its H enters as (1 - EPS) H. Other
// elements take H times 1, which is H itself.
void add_images(const Velda& v, const Images& m, double X, double Y, int first, int count,
                double* Gs, double* Hs);

}  // namespace velda
