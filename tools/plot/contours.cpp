// Each cell contributes the polygon of its part at or above the level,
// counter-clockwise; where two drawn cells share a side, their pieces of it
// run both ways and cancel, so what is left are the level lines and the
// drawn part's edge, joined into loops. Vertices are named by the grid node,
// the grid side or the cell's diagonal they lie on, so that neighbouring
// cells meet exactly.
#include "tools/plot/contours.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace plot {
namespace {

// A vertex's key: its grid node's number times kKeysPerNode, plus where on
// that node's share of the grid it lies.
using Key = std::int64_t;
constexpr Key kKeysPerNode = 4;
constexpr Key kOnNode = 0;      // the grid node itself
constexpr Key kAlongX = 1;      // on the side from the node one step along x
constexpr Key kAlongY = 2;      // on the side from the node one step along y
constexpr Key kOnDiagonal = 3;  // on the diagonal of the cell the node is the low corner of

constexpr int kCorners = 4;  // of a cell, counter-clockwise from (i, j)

bool on_node(Key key) { return key % kKeysPerNode == kOnNode; }

struct Vertex {
  Key key;
  Point at;  // in grid units
};

// The vertices of one level, the cell polygons' edges that are left and the
// level line's segments.
class Marcher {
 public:
  Marcher(const FieldGrid& grid, double level) : g_(grid), level_(level) {}

  // The cell with the four corners drawn, or the triangle of the three
  // drawn when the fourth (`missing`) is not.
  void add_cell(int i, int j, int missing);
  Contour joined() const;

 private:
  bool above(int i, int j) const { return g_.at(i, j) >= level_; }
  Vertex corner(int i, int j) const { return {node_key(i, j), {double(i), double(j)}}; }
  // Where the level crosses the side from node (i, j) one step along x
  // (along_x) or y: interpolated from that node, whichever cell asks.
  Vertex crossing(int i, int j, bool along_x) const;
  Key node_key(int i, int j) const { return (Key{j} * g_.nx + i) * kKeysPerNode; }
  // Where the level crosses the diagonal of cell (i, j) from corner a to b.
  Vertex diagonal_crossing(int i, int j, Point a, Point b) const;
  void add_polygon(const std::vector<Vertex>& polygon);
  std::vector<Point> in_problem(const std::vector<Key>& keys, bool closed) const;

  const FieldGrid& g_;
  double level_;
  std::unordered_map<Key, Point> at_;
  std::map<Key, std::vector<Key>> out_;  // edges left, by their start
  std::map<Key, Key> line_;              // level line segments, by their start
};

Vertex Marcher::crossing(int i, int j, bool along_x) const {
  const double a = g_.at(i, j);
  const double b = along_x ? g_.at(i + 1, j) : g_.at(i, j + 1);
  const double t = (level_ - a) / (b - a);
  return {node_key(i, j) + (along_x ? kAlongX : kAlongY),
          along_x ? Point{i + t, double(j)} : Point{double(i), j + t}};
}

Vertex Marcher::diagonal_crossing(int i, int j, Point a, Point b) const {
  const double ua = g_.at(int(a.x), int(a.y)), ub = g_.at(int(b.x), int(b.y));
  return {node_key(i, j) + kOnDiagonal, a + ((level_ - ua) / (ub - ua)) * (b - a)};
}

void Marcher::add_cell(int i, int j, int missing) {
  const int ci[kCorners] = {i, i + 1, i + 1, i};
  const int cj[kCorners] = {j, j, j + 1, j + 1};
  // Side k runs from corner k to corner k + 1; its crossing is taken from
  // the side's lower node. With a corner missing, the side past it is the
  // diagonal between its neighbours.
  const auto side = [&](int k) {
    if (missing >= 0 && (k + 1) % kCorners == missing)
      return diagonal_crossing(i, j, {double(ci[k]), double(cj[k])},
                               {double(ci[(k + 2) % kCorners]), double(cj[(k + 2) % kCorners])});
    return k == 0   ? crossing(i, j, true)
           : k == 1 ? crossing(i + 1, j, false)
           : k == 2 ? crossing(i, j + 1, true)
                    : crossing(i, j, false);
  };
  std::vector<int> corners;
  for (int k = 0; k < kCorners; ++k)
    if (k != missing) corners.push_back(k);
  bool up[kCorners] = {};
  for (int k : corners) up[k] = above(ci[k], cj[k]);
  if (missing < 0 && up[0] == up[2] && up[1] == up[3] && up[0] != up[1]) {
    const double mean =
        0.25 * (g_.at(i, j) + g_.at(i + 1, j) + g_.at(i + 1, j + 1) + g_.at(i, j + 1));
    if (!(mean >= level_)) {  // a saddle split: a triangle at each high corner
      for (int k = 0; k < kCorners; ++k)
        if (up[k]) add_polygon({side((k + 3) % kCorners), corner(ci[k], cj[k]), side(k)});
      return;
    }
  }
  std::vector<Vertex> polygon;
  for (std::size_t n = 0; n < corners.size(); ++n) {
    const int k = corners[n], next = corners[(n + 1) % corners.size()];
    if (up[k]) polygon.push_back(corner(ci[k], cj[k]));
    if (up[k] != up[next]) polygon.push_back(side(k));
  }
  if (polygon.size() >= 3) add_polygon(polygon);
}

void Marcher::add_polygon(const std::vector<Vertex>& polygon) {
  for (std::size_t m = 0; m < polygon.size(); ++m) {
    const Vertex& a = polygon[m];
    const Vertex& b = polygon[(m + 1) % polygon.size()];
    at_.emplace(a.key, a.at);
    if (!on_node(a.key) && !on_node(b.key)) line_[a.key] = b.key;  // two crossings: the level line
    auto& back = out_[b.key];
    const auto twin = std::find(back.begin(), back.end(), a.key);
    if (twin != back.end())
      back.erase(twin);
    else
      out_[a.key].push_back(b.key);
  }
}

// Drops the points that lie on the straight line between their neighbours,
// as along the cut-off edge, and maps grid units to the problem's.
std::vector<Point> Marcher::in_problem(const std::vector<Key>& keys, bool closed) const {
  std::vector<Point> points;
  const std::size_t n = keys.size();
  for (std::size_t m = 0; m < n; ++m) {
    const Point p = at_.at(keys[m]);
    const bool end = !closed && (m == 0 || m + 1 == n);
    if (!end) {
      const Point before = at_.at(keys[(m + n - 1) % n]), after = at_.at(keys[(m + 1) % n]);
      if (std::fabs(cross(p - before, after - p)) < 1.0E-12 && dot(p - before, after - p) > 0.0)
        continue;
    }
    points.push_back(g_.point(p.x, p.y));
  }
  return points;
}

Contour Marcher::joined() const {
  Contour c;
  auto out = out_;
  for (auto& [start, ends] : out)
    while (!ends.empty()) {
      std::vector<Key> loop{start};
      for (Key at = start;;) {
        auto& next = out[at];
        if (next.empty()) break;
        at = next.back();
        next.pop_back();
        if (at == start) break;
        loop.push_back(at);
      }
      c.outlines.push_back(in_problem(loop, true));
    }
  std::map<Key, bool> has_before;
  for (const auto& [from, to] : line_) has_before[to] = true;
  std::map<Key, bool> used;
  const auto follow = [&](Key start) {
    std::vector<Key> keys{start};
    used[start] = true;
    for (auto it = line_.find(start); it != line_.end() && !used[it->second];
         it = line_.find(it->second)) {
      keys.push_back(it->second);
      used[it->second] = true;
    }
    const auto back = line_.find(keys.back());
    if (back != line_.end() && back->second == start) keys.push_back(start);  // closed
    c.lines.push_back(in_problem(keys, false));
  };
  for (const auto& [from, to] : line_)
    if (!has_before[from] && !used[from]) follow(from);
  for (const auto& [from, to] : line_)
    if (!used[from]) follow(from);
  return c;
}

}  // namespace

Contour contour(const FieldGrid& grid, double level) {
  Marcher m(grid, level);
  for (int j = 0; j + 1 < grid.ny; ++j)
    for (int i = 0; i + 1 < grid.nx; ++i) {
      const bool drawn[4] = {!std::isnan(grid.at(i, j)), !std::isnan(grid.at(i + 1, j)),
                             !std::isnan(grid.at(i + 1, j + 1)), !std::isnan(grid.at(i, j + 1))};
      const int count = drawn[0] + drawn[1] + drawn[2] + drawn[3];
      if (count == 4) m.add_cell(i, j, -1);
      if (count == 3)
        m.add_cell(i, j, static_cast<int>(std::find(drawn, drawn + 4, false) - drawn));
    }
  return m.joined();
}

}  // namespace plot
