// Where the problem's coordinates land on the picture.
#pragma once

#include <vector>

#include "geometry/shape.hpp"

namespace plot {

using geometry::Point;

// The box of the problem scaled so that its longer side takes the plot
// size, y upwards.
class View {
 public:
  // Throws a PlotError when the box is too small or too large to scale.
  View(const geometry::Box& world, Point corner);

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
  geometry::Box world_;
  Point corner_;
  double scale_;
};

// A triangle with its tip at `tip`, pointing along the unit vector t.
std::vector<Point> arrow_head(Point tip, Point t, double length, double width);

}  // namespace plot
