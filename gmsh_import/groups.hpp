// What the physical groups of a model say: the condition of each element,
// the symmetry flags, the internal points.
#pragma once

#include <string>
#include <vector>

#include "gmsh_import/gmsh_import.hpp"
#include "gmsh_import/model.hpp"

namespace gmsh_import {

// A physical curve that is a condition, and its node record.
struct Condition {
  std::string group;   // as messages name it: 'name' (physical curve 3)
  std::string record;  // as the input file writes it
};

// An element of the boundary: the nodes of a segment and its condition.
struct Edge {
  NodeTag a = 0, b = 0;
  int condition = 0;  // index into Groups::conditions
  int curve = 0;      // Gmsh's tag of its curve
};

struct Groups {
  std::vector<Condition> conditions;
  std::vector<Edge> edges;  // curve by curve in ascending tags, each in Gmsh's order
  int ISYMX = 0, ISYMY = 0;
  std::vector<lib::Point> internal;  // the "internal" points, then the extra points
};

// The names that make a curve a symmetry line, with their weights.
inline constexpr const char* kSymmetry = "symmetry";
inline constexpr const char* kAntisymmetry = "antisymmetry";
inline constexpr const char* kInternal = "internal";

// Reads the groups, or throws ImportError naming the group at fault and
// what to do: a curve in no physical curve or in two, a curve meshed other
// than in straight 2-node lines, a name that is no record and that no --bc
// maps, a record velda would refuse, a symmetry curve off the axes.
Groups read_groups(const Model& model, const Options& options);

// How messages name a group: 'name' (physical curve 3).
std::string group_name(const Group& group);

// Whether |c| is zero at the scale of the model, whose largest coordinate
// in size is `extent`.
bool on_axis(double c, double extent);

// The largest size of a coordinate of the model's nodes.
double extent_of(const Model& model);

}  // namespace gmsh_import
