// The look of the picture: sizes in pixels and fonts, and the style sheet
// built from them, so that a label is sized where it is placed.
#pragma once

#include <string>

namespace plot::style {

inline constexpr double kPlotSize = 640.0;    // the longer side of the problem's box
inline constexpr double kPlotPadding = 64.0;  // around the box, for labels and ticks
inline constexpr double kCharWidth = 0.56;    // mean width of a character, in font sizes
inline constexpr double kTextFont = 12.0;
inline constexpr double kLabelFont = 11.0;
inline constexpr double kTitleFont = 18.0;
inline constexpr const char* kCentred = "0.35em";  // a text's dy that centres it on y
inline constexpr double kGradientCell = 40.0;      // at most one gradient arrow per cell
inline constexpr double kGradientLongest = 30.0;   // the longest arrow's length
inline constexpr int kFieldLevels = 12;            // at most, levels of the field's bands

// The CSS of the picture's classes, its font sizes those above.
std::string style_sheet();

}  // namespace plot::style
