// Where the problem's coordinates land on the picture: the box of the
// problem scaled so that its longer side takes the plot size, y upwards.
#pragma once

#include "plot/point.hpp"

namespace plot {

class View {
 public:
  // The box `world` drawn with its top left corner at `corner` on the
  // picture. Throws a PlotError when it is too small or too large to scale.
  View(const Box& world, Point corner);

  Point at(Point p) const {
    return {corner_.x + (p.x - world_.low.x) * scale_, corner_.y + (world_.high.y - p.y) * scale_};
  }
  // A direction of the problem as a unit vector on the picture.
  Point direction(Point v) const;
  double scale() const { return scale_; }  // pixels per unit of length
  double width() const { return world_.width() * scale_; }
  double height() const { return world_.height() * scale_; }
  Point corner() const { return corner_; }

 private:
  Box world_;
  Point corner_;
  double scale_;
};

}  // namespace plot
