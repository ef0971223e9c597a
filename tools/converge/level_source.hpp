// Where the levels of a convergence study come from: the same problem
// described ever more finely, each level as the text of a VELDA input.
#pragma once

#include <optional>
#include <string>

namespace converge {

struct Level {
  std::string input;  // the text of a VELDA input file
  double h = 0.0;     // its mesh size; only the ratios between levels count
};

// The levels of one problem, coarse to fine. A source that cannot make its
// levels throws Refused when it is built.
class LevelSource {
 public:
  virtual ~LevelSource() = default;
  // How many levels, at least three.
  virtual int count() const = 0;
  // Level k, 0 the coarsest and count() - 1 the finest.
  virtual Level level(int k) const = 0;
  // The level that is the user's own description of the problem, if one is.
  virtual std::optional<int> own_level() const = 0;
  // What the estimate covers, shown above the table.
  virtual std::string scope() const = 0;
};

}  // namespace converge
