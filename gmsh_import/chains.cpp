#include "gmsh_import/chains.hpp"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace gmsh_import {
namespace {

// A chain of edges joined at their nodes: nodes[i] to nodes[i + 1] is edge
// edges[i]; a closed chain ends at the node it starts from.
struct Chain {
  std::vector<NodeTag> nodes;
  std::vector<int> edges;
  bool closed = false;
};

class Joiner {
 public:
  explicit Joiner(const std::vector<Edge>& edges) : edges_(edges) {
    for (int e = 0; e < static_cast<int>(edges.size()); ++e)
      for (NodeTag n : {edges[e].a, edges[e].b}) at_[n].push_back(e);
  }

  // The node where more than two edges meet, if any (0 when none).
  NodeTag branch() const {
    for (const auto& [node, list] : at_)
      if (list.size() > 2) return node;
    return 0;
  }
  const std::vector<int>& edges_at(NodeTag n) const { return at_.at(n); }

  std::vector<Chain> chains() {
    std::vector<Chain> out;
    std::vector<bool> taken(edges_.size(), false);
    for (int e = 0; e < static_cast<int>(edges_.size()); ++e)
      if (!taken[e]) out.push_back(chain_through(e, taken));
    return out;
  }

 private:
  // The other edge at node n, or -1.
  int other(NodeTag n, int e) const {
    for (int f : at_.at(n))
      if (f != e) return f;
    return -1;
  }
  NodeTag far_end(int e, NodeTag n) const { return edges_[e].a == n ? edges_[e].b : edges_[e].a; }

  // Back from e's start to the chain's free end, or round to e when closed;
  // then forward, so that e keeps its own direction.
  Chain chain_through(int e, std::vector<bool>& taken) const {
    int first = e;
    NodeTag start = edges_[e].a;
    int f = other(start, e);
    for (; f >= 0 && f != e; f = other(start, first)) {
      start = far_end(f, start);
      first = f;
    }
    if (f == e) first = e, start = edges_[e].a;
    Chain c;
    c.nodes.push_back(start);
    NodeTag node = start;
    for (int f = first; f >= 0 && !taken[f]; f = other(node, f)) {
      taken[f] = true;
      node = far_end(f, node);
      c.nodes.push_back(node);
      c.edges.push_back(f);
    }
    c.closed = c.nodes.back() == c.nodes.front();
    return c;
  }

  const std::vector<Edge>& edges_;
  std::map<NodeTag, std::vector<int>> at_;
};

// The crossing-number test: whether p lies inside the polygon.
bool inside(lib::Point p, const std::vector<lib::Point>& polygon) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const lib::Point a = polygon[i], b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x)) in = !in;
  }
  return in;
}

// Twice the signed area, positive counter-clockwise (the shoelace formula).
double twice_area(const std::vector<lib::Point>& polygon) {
  double sum = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i)
    sum += lib::cross(polygon[i], polygon[(i + 1) % polygon.size()]);
  return sum;
}

std::string place(lib::Point p) {
  char text[64];
  std::snprintf(text, sizeof text, "(%g, %g)", p.x, p.y);
  return text;
}

class Orienter {
 public:
  Orienter(const Model& model, const Groups& groups, const Options& options)
      : model_(model), groups_(groups), options_(options), extent_(extent_of(model)) {}

  std::vector<Boundary> run(std::vector<Chain> chains) const {
    std::vector<std::vector<lib::Point>> polygons;
    for (const Chain& c : chains) polygons.push_back(polygon_of(c));
    std::vector<Boundary> out;
    for (std::size_t i = 0; i < chains.size(); ++i) {
      Chain& c = chains[i];
      if (polygons[i].empty()) {
        if (!options_.open_as_drawn) refuse_open(c);
      } else if ((twice_area(polygons[i]) > 0.0) != region_inside(i, c, polygons)) {
        std::reverse(c.nodes.begin(), c.nodes.end());
        std::reverse(c.edges.begin(), c.edges.end());
      }
      out.push_back(boundary_of(c));
    }
    return out;
  }

 private:
  lib::Point at(NodeTag n) const { return model_.nodes.at(n); }

  bool on_symmetry_axis(lib::Point p) const {
    return (groups_.ISYMX != 0 && on_axis(p.x, extent_)) ||
           (groups_.ISYMY != 0 && on_axis(p.y, extent_));
  }

  // The chain as a closed polygon: itself when closed; when both its ends
  // are on symmetry axes, closed along them (through the origin when they
  // are on different axes); empty when it cannot be closed.
  std::vector<lib::Point> polygon_of(const Chain& c) const {
    std::vector<lib::Point> polygon;
    for (NodeTag n : c.nodes) polygon.push_back(at(n));
    if (c.closed) return polygon;
    const lib::Point first = polygon.front(), last = polygon.back();
    if (!on_symmetry_axis(first) || !on_symmetry_axis(last)) return {};
    const bool same_axis =
        (groups_.ISYMX != 0 && on_axis(first.x, extent_) && on_axis(last.x, extent_)) ||
        (groups_.ISYMY != 0 && on_axis(first.y, extent_) && on_axis(last.y, extent_));
    if (!same_axis) polygon.push_back({0.0, 0.0});
    return polygon;
  }

  // Whether the region lies inside chain i: the outermost chains have it
  // inside (outside for an exterior problem), those within them outside,
  // and so on by turns. The midpoint of the chain's first element stands for
  // the chain, as chains do not cross.
  bool region_inside(std::size_t i, const Chain& c,
                     const std::vector<std::vector<lib::Point>>& polygons) const {
    const lib::Point probe = 0.5 * (at(c.nodes[0]) + at(c.nodes[1]));
    int depth = 0;
    for (std::size_t j = 0; j < polygons.size(); ++j)
      if (j != i && !polygons[j].empty() && inside(probe, polygons[j])) ++depth;
    return (depth % 2 == 0) != options_.exterior;
  }

  [[noreturn]] void refuse_open(const Chain& c) const {
    std::set<int> conditions;
    for (int e : c.edges) conditions.insert(groups_.edges[e].condition);
    std::string names;
    for (int k : conditions) names += (names.empty() ? "" : ", ") + groups_.conditions[k].group;
    throw ImportError("the chain of " + names + " is open, from " + place(at(c.nodes.front())) +
                      " to " + place(at(c.nodes.back())) +
                      ": the region needs its boundaries closed or ending on symmetry lines; "
                      "close the chain (every curve of it in a physical curve), or give "
                      "--open-as-drawn to write it in the direction it was drawn");
  }

  Boundary boundary_of(const Chain& c) const {
    Boundary b;
    for (NodeTag n : c.nodes) b.points.push_back(at(n));
    for (int e : c.edges) b.conditions.push_back(groups_.edges[e].condition);
    return b;
  }

  const Model& model_;
  const Groups& groups_;
  const Options& options_;
  double extent_;
};

}  // namespace

std::vector<Boundary> boundaries(const Model& model, const Groups& groups, const Options& options) {
  Joiner joiner(groups.edges);
  for (const Edge& e : groups.edges)
    if (e.a == e.b)
      throw ImportError("curve " + std::to_string(e.curve) + " of " +
                        groups.conditions[e.condition].group +
                        " has an element that begins and ends at the same node: remesh it");
  if (const NodeTag n = joiner.branch()) {
    std::set<std::string> names;
    for (int e : joiner.edges_at(n))
      names.insert(groups.conditions[groups.edges[e].condition].group);
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    throw ImportError("more than two elements meet at " + place(model.nodes.at(n)) + " (" + list +
                      "): a boundary cannot branch; split the model there into separate curves "
                      "that do not touch");
  }
  return Orienter(model, groups, options).run(joiner.chains());
}

}  // namespace gmsh_import
