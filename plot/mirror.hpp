// The boundaries as drawn and checked: each described boundary, then its
// mirror images when the problem is symmetric about an axis.
//
// ISYMX (not 0) adds the image x -> -x, ISYMY the image y -> -y, and both
// together also the image through the origin. A single reflection reverses
// the sense of rotation, so its image is traversed backwards to keep the
// region on its left; the image through the origin keeps its sense.
#pragma once

#include <vector>

#include "plot/point.hpp"
#include "plot/problem.hpp"

namespace plot {

struct Image {
  double KX = 1.0;  // factor of x, -1 or 1
  double KY = 1.0;  // factor of y, -1 or 1
  bool reversed() const { return KX * KY < 0.0; }
  bool mirrored() const { return KX < 0.0 || KY < 0.0; }
  Point of(Point p) const { return {KX * p.x, KY * p.y}; }
};

// The identity first, then the mirror images the flags switch on.
std::vector<Image> images_of(const Problem& problem);

// One boundary, or one mirror image of it, as a polyline in order of travel.
struct Piece {
  int boundary = 0;  // 1-based number of the boundary it shows
  Image image;       // the identity for the boundary as described
  std::vector<Point> points;
  std::vector<int> elements;  // 1-based element of each segment points[i] - points[i+1]
};

// Every boundary with at least one element, as described and in each image.
std::vector<Piece> pieces_of(const Problem& problem);

// The box around the pieces and the internal points.
Box bounds_of(const Problem& problem, const std::vector<Piece>& pieces);

}  // namespace plot
