#include "tools/plot/style.hpp"

#include "tools/plot/svg_writer.hpp"

namespace plot::style {
namespace {

std::string pixels(double size) { return number(size) + "px"; }

}  // namespace

std::string style_sheet() {
  return R"(
text { font-family: 'DejaVu Sans', Arial, Helvetica, sans-serif; font-size: )" +
         pixels(kTextFont) + R"(; fill: #222; }
.title { font-size: )" +
         pixels(kTitleFont) + R"(; font-weight: bold; }
.note { fill: #555; }
.heading { font-weight: bold; }
.label { font-size: )" +
         pixels(kLabelFont) +
         R"(; stroke: #fff; stroke-width: 3px; paint-order: stroke; stroke-linejoin: round; }
.group { fill: #8a3b6b; }
.boundary { fill: none; stroke: #222; stroke-width: 1.6px; stroke-linejoin: round; }
.image { fill: none; stroke: #aaa; stroke-width: 1.2px; stroke-dasharray: 5 3; }
.axis { stroke: #999; stroke-width: 1px; stroke-dasharray: 8 4 2 4; }
.normal { fill: none; stroke: #5b8fb9; stroke-width: 1.1px; }
.travel { fill: #222; }
.node { stroke: #fff; stroke-width: 0.8px; }
.ring { stroke-width: 2px; }
.point { fill: none; stroke: #444; stroke-width: 1px; }
.valued { stroke: #333; stroke-width: 0.5px; }
.gradient { fill: none; stroke: #111; stroke-width: 1.2px; }
.band { stroke: none; }
.level { fill: none; stroke: #000; stroke-opacity: 0.45; stroke-width: 0.8px; stroke-linejoin: round; }
.veil { fill: #fff; fill-opacity: 0.6; stroke: none; }
.head { fill: #111; }
.halo { fill: none; stroke: #e0002a; stroke-opacity: 0.3; stroke-width: 7px; stroke-linejoin: round; }
.mark { fill: none; stroke: #c0002a; stroke-width: 2px; }
.warning { fill: #b0002a; }
.frame { fill: none; stroke: #ddd; stroke-width: 1px; }
.casing { fill: none; stroke-width: 7px; stroke-linejoin: round; }
.core { fill: none; stroke-width: 3px; stroke-linejoin: round; }
.coded { fill: none; stroke-width: 4px; stroke-linejoin: round; }
.dot { fill: none; stroke: #000; stroke-opacity: 0.35; stroke-width: 1.3px; stroke-linecap: round; }
)";
}

}  // namespace plot::style
