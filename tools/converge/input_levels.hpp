// The levels of a VELDA input: its own boundary, the same boundary with
// every element split into 2, 4, ... equal parts with the same records as far
// as the program's capacity allows, and below it, where the capacity does
// not allow enough, the boundary with neighbouring elements of the same
// record merged, so that the input's own boundary is the finest level that
// fits.
#pragma once

#include <string>
#include <vector>

#include "tools/converge/level_source.hpp"
#include "tools/converge/polygon_input.hpp"

namespace converge {

// A merged level joins at least this share of its finer level's elements in
// pairs; fewer would leave the levels' mesh sizes too close for their
// differences to show the error.
inline constexpr double kLeastJoinedShare = 0.5;

class InputLevels : public LevelSource {
 public:
  // Throws Refused when the program refuses the input, or when `levels`
  // levels cannot be made from it.
  InputLevels(const std::string& text, const std::string& name, int levels);

  int count() const override { return static_cast<int>(inputs_.size()); }
  Level level(int k) const override;
  std::optional<int> own_level() const override { return own_; }
  std::string scope() const override;

 private:
  std::string text_;                  // the input itself, solved as it is
  std::vector<PolygonInput> inputs_;  // coarse to fine
  int own_ = 0;
  double perimeter_ = 0.0;
};

}  // namespace converge
