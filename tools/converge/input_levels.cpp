#include "tools/converge/input_levels.hpp"

#include "2D/VELDA.hpp"
#include "tools/converge/refinement.hpp"
#include "tools/converge/refused.hpp"

namespace converge {

InputLevels::InputLevels(const std::string& text, const std::string& name, int levels)
    : text_(text) {
  const PolygonInput own = read_polygon_input(text, name);
  perimeter_ = own.perimeter();
  // Halving the elements' length doubles their number: as many halvings as
  // fit, up to levels - 1, then the rest made by merging below the input.
  int splits = 0;
  while (splits < levels - 1 && own.elements() << (splits + 1) <= velda::MAXEL) ++splits;
  inputs_.push_back(own);
  for (int k = splits + 1; k < levels; ++k) {
    PolygonInput coarser = merge_pairs(inputs_.front());
    const int finer = inputs_.front().elements();
    // Each joined pair leaves one element fewer.
    if (2 * (finer - coarser.elements()) < kLeastJoinedShare * finer)
      throw Refused("cannot make " + std::to_string(levels) + " levels of " +
                    std::to_string(own.elements()) + " elements: splitting them passes the " +
                    "capacity of " + std::to_string(velda::MAXEL) + " elements, and of " +
                    std::to_string(finer) + " elements only " +
                    std::to_string(2 * (finer - coarser.elements())) +
                    " can be joined in pairs with the same record on a straight line");
    inputs_.insert(inputs_.begin(), std::move(coarser));
  }
  own_ = static_cast<int>(inputs_.size()) - 1;
  for (int s = 1; s <= splits; ++s) inputs_.push_back(split(own, 1 << s));
}

Level InputLevels::level(int k) const {
  const PolygonInput& input = inputs_[k];
  return {k == own_ ? text_ : input_text(input), perimeter_ / input.elements()};
}

std::string InputLevels::scope() const {
  return "For an input, the estimate covers the method's error on this polygon, not the "
         "polygon's distance from the curve it stands for; each element keeps its record at "
         "every level, so boundary values that change from element to element stay steps.";
}

}  // namespace converge
