// Whether the boundaries close and run with the region on their left. A
// boundary that runs the wrong way turns its normals into the region, and
// the solution is silently wrong.
#include <algorithm>
#include <cctype>
#include <string>

#include "geometry/checks.hpp"

namespace geometry {
namespace {

// The text with its first letter made a capital.
std::string sentence(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

// The boundaries that make up a loop or chain, as the subject of a sentence.
struct Subject {
  std::string text;  // "boundary 2", "boundaries 1 and 3 with their mirror images"
  bool plural = false;
  bool described = false;  // holds a boundary as described, not only images

  std::string verb(const std::string& singular, const std::string& plural_form) const {
    return text + " " + (plural ? plural_form : singular);
  }
  std::string its() const { return plural ? "their" : "its"; }
  std::string it() const { return plural ? "they" : "it"; }
};

Subject subject_of(const std::vector<Piece>& pieces, const std::vector<int>& members) {
  std::vector<int> numbers;
  bool mirrored = false;
  Subject s;
  for (int i : members) {
    const Piece& piece = pieces[i];
    mirrored = mirrored || piece.mirrored;
    s.described = s.described || !piece.mirrored;
    if (std::find(numbers.begin(), numbers.end(), piece.boundary) == numbers.end())
      numbers.push_back(piece.boundary);
  }
  std::vector<std::string> names;
  for (int b : numbers) names.push_back(std::to_string(b));
  s.plural = numbers.size() > 1;
  s.text = (s.plural ? "boundaries " : "boundary ") + listed(names);
  if (mirrored) s.text += s.plural ? " with their mirror images" : " with its mirror image";
  return s;
}

Warning wrong_way(const std::vector<Piece>& pieces, const std::vector<Loop>& loops,
                  const Loop& loop) {
  const Subject s = subject_of(pieces, loop.pieces);
  const bool clockwise = loop.area < 0.0;
  std::string text;
  if (loop.depth == 0) {
    text = s.verb("runs", "run") + " clockwise: " + s.its() + " normals point into the region " +
           s.it() + " enclose" + (s.plural ? "" : "s") + ". List " + s.its() +
           " points the other way round, unless the region is the one outside.";
  } else {
    const Subject around = subject_of(pieces, loops[loop.parent].pieces);
    const std::string hole = loop.depth % 2 == 1 ? "a hole" : "an island in a hole";
    text = s.verb("lies", "lie") + " inside " + around.text + " and " +
           (s.plural ? "run " : "runs ") + (clockwise ? "clockwise" : "counter-clockwise") + ": " +
           hole + " must run " + (clockwise ? "counter-clockwise" : "clockwise") + ", or " +
           s.its() + " normals point into the region.";
  }
  return {sentence(text), {}, loop.polygon};
}

Warning not_closed(const std::vector<Piece>& pieces, const std::vector<int>& chain) {
  const Subject s = subject_of(pieces, chain);
  const Point start = pieces[chain.front()].points.front();
  const Point end = pieces[chain.back()].points.back();
  return {sentence(s.verb("does", "do")) + " not close: from " + place(start) + " to " +
              place(end) + " no boundary leads on, so " + s.it() + " enclose" +
              (s.plural ? "" : "s") + " no region.",
          {start, end},
          {}};
}

}  // namespace

std::vector<Warning> orientation_warnings(const std::vector<Piece>& pieces, const Chains& chains,
                                          const std::set<int>& crossed) {
  std::vector<Warning> warnings;
  for (const Loop& loop : chains.loops) {
    const bool counter_clockwise_expected = loop.depth % 2 == 0;
    const bool crosses_itself = std::any_of(loop.pieces.begin(), loop.pieces.end(), [&](int i) {
      return crossed.count(pieces[i].boundary) > 0;
    });
    if ((loop.area > 0.0) != counter_clockwise_expected && !crosses_itself &&
        subject_of(pieces, loop.pieces).described)
      warnings.push_back(wrong_way(pieces, chains.loops, loop));
  }
  for (const auto& chain : chains.open)
    if (subject_of(pieces, chain).described) warnings.push_back(not_closed(pieces, chain));
  return warnings;
}

}  // namespace geometry
