// The look of the picture: sizes in pixels, colours, and the style sheet.
#pragma once

#include <string_view>

namespace plot::style {

// Layout.
inline constexpr double kMargin = 24.0;       // around the whole picture
inline constexpr double kTitleHeight = 54.0;  // title and summary line
inline constexpr double kPlotSize = 640.0;    // the longer side of the problem's box
inline constexpr double kPlotPadding = 64.0;  // around the box, for labels and ticks
inline constexpr double kGap = 20.0;          // between plot, legend and warnings
inline constexpr double kLegendWidth = 260.0;
inline constexpr double kMinWidth = 780.0;  // so that warnings have room
inline constexpr double kCharWidth = 0.56;  // mean width of a character, in font sizes

// Fonts.
inline constexpr double kTitleFont = 18.0;
inline constexpr double kTextFont = 12.0;
inline constexpr double kLabelFont = 11.0;

// Boundaries.
inline constexpr double kTickLength = 12.0;     // normal tick at each node
inline constexpr double kArrowSpacing = 120.0;  // between direction arrows along a boundary
inline constexpr double kArrowLength = 11.0;
inline constexpr double kArrowWidth = 8.0;
inline constexpr double kArrowAt = 0.75;           // along its element, clear of the node
inline constexpr double kLabelOffset = 12.0;       // of a label from its element, outwards
inline constexpr double kLabelSideways = 0.38;     // beyond this, a label grows sideways
inline constexpr double kCentreLine = 0.35;        // from baseline to mid-height, in font sizes
inline constexpr const char* kCentred = "0.35em";  // the same, as a text's dy
inline constexpr double kAxisLabelGap = 4.0;       // between an axis and its label

// Nodes and internal points: radii follow the spacing, within limits.
inline constexpr double kNodeRadiusMax = 4.5;
inline constexpr double kNodeRadiusMin = 1.5;
inline constexpr double kNodeRadiusShare = 0.3;  // of the typical element's length
inline constexpr double kPointRadiusMax = 3.5;
inline constexpr double kPointRadiusMin = 1.2;
inline constexpr double kPointRadiusShare = 0.3;  // of the typical spacing of the points

// Gradient arrows: at most one per cell of the grid, the longest this long.
inline constexpr double kGradientCell = 40.0;
inline constexpr double kGradientLongest = 30.0;
inline constexpr double kGradientShortest = 2.5;  // shorter ones are left out
inline constexpr double kGradientHead = 6.0;
inline constexpr double kGradientHeadShare = 0.5;  // at most, of a short arrow
inline constexpr double kGradientHeadWidth = 0.9;  // in head lengths

// Warnings.
inline constexpr double kMarkRadius = 9.0;

// Colours of the boundary-condition codes (Okabe and Ito's palette, which
// colour-blind readers can tell apart).
inline constexpr std::string_view kPotentialColour = "#0072b2";
inline constexpr std::string_view kGroupColour = "#cc79a7";
inline constexpr std::string_view kDerivativeColour = "#e69f00";
inline constexpr std::string_view kImpedanceColour = "#009e73";
inline constexpr std::string_view kInterfaceColour = "#d55e00";

inline constexpr std::string_view kStyleSheet = R"(
text { font-family: 'DejaVu Sans', Arial, Helvetica, sans-serif; font-size: 12px; fill: #222; }
.title { font-size: 18px; font-weight: bold; }
.note { fill: #555; }
.heading { font-weight: bold; }
.label { font-size: 11px; stroke: #fff; stroke-width: 3px; paint-order: stroke; stroke-linejoin: round; }
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
.head { fill: #111; }
.halo { fill: none; stroke: #e0002a; stroke-opacity: 0.3; stroke-width: 7px; stroke-linejoin: round; }
.mark { fill: none; stroke: #c0002a; stroke-width: 2px; }
.warning { fill: #b0002a; }
.frame { fill: none; stroke: #ddd; stroke-width: 1px; }
)";

}  // namespace plot::style
