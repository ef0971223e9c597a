// Warnings in the picture: red circles where they point, and the list of
// them below the plot.
#include <string>

#include "tools/plot/canvas.hpp"
#include "tools/plot/style.hpp"

namespace plot {
namespace {

using namespace style;

constexpr double kMarkRadius = 9.0;

constexpr double kLine = 16.0;     // one line of warning text
constexpr double kBetween = 20.0;  // from one warning to the next
constexpr double kIndent = 22.0;

// The text broken at blanks into lines of at most `columns` characters.
std::vector<std::string> wrapped(const std::string& text, std::size_t columns) {
  std::vector<std::string> lines{""};
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!lines.back().empty() && lines.back().size() + 1 + word.size() > columns)
      lines.push_back("");
    lines.back() += (lines.back().empty() ? "" : " ") + word;
    start = end + 1;
  }
  return lines;
}

}  // namespace

void draw_warning_marks(const Canvas& c) {
  for (const geometry::Warning& w : c.examination.warnings)
    for (const Point& p : w.marks) {
      const Point at = c.view.at(p);
      c.svg.element("circle", {{"class", "mark"},
                               {"cx", number(at.x)},
                               {"cy", number(at.y)},
                               {"r", number(kMarkRadius)}});
    }
}

double draw_warning_list(SvgWriter& svg, const std::vector<geometry::Warning>& warnings,
                         Point corner, double width) {
  if (warnings.empty()) return 0.0;
  double y = corner.y + kLine;
  svg.text({{"class", "heading warning"}, {"x", number(corner.x)}, {"y", number(y)}},
           warnings.size() == 1 ? "Warning" : std::to_string(warnings.size()) + " warnings");
  const auto columns = static_cast<std::size_t>((width - kIndent) / (kCharWidth * kTextFont));
  for (std::size_t i = 0; i < warnings.size(); ++i) {
    y += kBetween;
    svg.text({{"class", "warning heading"}, {"x", number(corner.x)}, {"y", number(y)}},
             std::to_string(i + 1) + ".");
    bool first = true;
    for (const std::string& line : wrapped(warnings[i].text, columns)) {
      if (!first) y += kLine;
      first = false;
      svg.text({{"class", "warning"}, {"x", number(corner.x + kIndent)}, {"y", number(y)}}, line);
    }
  }
  return y - corner.y + kLine;
}

}  // namespace plot
