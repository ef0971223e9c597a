#include "plot/mirror.hpp"

#include <algorithm>

namespace plot {

std::vector<Image> images_of(const Problem& problem) {
  std::vector<Image> images{{1.0, 1.0}};
  if (problem.ISYMX != 0) images.push_back({-1.0, 1.0});
  if (problem.ISYMY != 0) images.push_back({1.0, -1.0});
  if (problem.ISYMX != 0 && problem.ISYMY != 0) images.push_back({-1.0, -1.0});
  return images;
}

std::vector<Piece> pieces_of(const Problem& problem) {
  std::vector<Piece> pieces;
  for (const Image& image : images_of(problem)) {
    for (std::size_t b = 0; b < problem.boundaries.size(); ++b) {
      const Boundary& boundary = problem.boundaries[b];
      if (boundary.count == 0) continue;
      Piece piece{static_cast<int>(b) + 1, image, {}, {}};
      const Element* first = &problem.elements[boundary.first];
      piece.points.push_back(image.of(first->start));
      for (int k = 0; k < boundary.count; ++k) {
        piece.points.push_back(image.of(first[k].end));
        piece.elements.push_back(boundary.first + k + 1);
      }
      if (image.reversed()) {
        std::reverse(piece.points.begin(), piece.points.end());
        std::reverse(piece.elements.begin(), piece.elements.end());
      }
      pieces.push_back(std::move(piece));
    }
  }
  return pieces;
}

Box bounds_of(const Problem& problem, const std::vector<Piece>& pieces) {
  std::vector<Point> all = problem.internal;
  for (const Piece& piece : pieces) all.insert(all.end(), piece.points.begin(), piece.points.end());
  return box_around(all);  // not empty: the input step refuses a problem without elements
}

}  // namespace plot
