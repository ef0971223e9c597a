// A Gmsh model as this library needs it, in its own types: the physical
// groups of points and curves, the 1-D mesh of every curve and the nodes.
// Only gmsh_reader.cpp speaks Gmsh's API to fill it.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "lib/point.hpp"

namespace gmsh_import {

using NodeTag = std::size_t;

struct Group {
  int dim = 0;
  int tag = 0;
  std::string name;
  std::vector<int> entities;  // ascending
};

// A straight element of a curve, from node a to node b in the curve's own
// direction.
struct Segment {
  NodeTag a = 0, b = 0;
};

struct Curve {
  int tag = 0;
  std::vector<Segment> segments;  // in the order Gmsh lists them
  std::string other_elements;     // Gmsh's name of elements that are not 2-node lines, if any
};

struct Model {
  std::string name;           // Gmsh's name of the model
  std::string gmsh_version;   // of the library that read it
  bool meshed_here = false;   // a script meshed now, not a mesh file read
  std::vector<Group> groups;  // physical groups of dimension 0 and 1, by dimension and tag
  std::vector<Curve> curves;  // every curve that has elements, by tag
  std::map<int, std::vector<NodeTag>> point_nodes;  // nodes of each point entity
  std::map<NodeTag, lib::Point> nodes;
};

// How to read and mesh the model.
struct Meshing {
  double size_factor = 1.0;
  std::vector<std::pair<std::string, double>> numbers;  // set before the script runs
  bool verbose = false;
};

// Reads the model at path with Gmsh and, for a script, meshes its curves.
// Throws ImportError with Gmsh's message when Gmsh cannot.
Model read_model(const std::string& path, const Meshing& meshing);

}  // namespace gmsh_import
