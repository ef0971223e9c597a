// A Gmsh model (a .geo script meshed in one dimension, or a .msh mesh file)
// turned into the whole text of a VELDA input. The physical curves give the
// boundaries and their conditions, the physical points named "internal" the
// internal points; see the README, "From a Gmsh model", for the rules.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "lib/point.hpp"

namespace gmsh_import {

struct Options {
  double size_factor = 1.0;                             // Gmsh's Mesh.MeshSizeFactor
  std::vector<std::pair<std::string, double>> numbers;  // --set NAME=VALUE, as -setnumber
  std::map<std::string, std::string> conditions;        // --bc NAME=RECORD
  std::string title;                                    // empty: the model's name
  std::vector<lib::Point> extra_points;                 // --points FILE
  // --exterior: the region is the unbounded outside of the outermost closed
  // boundaries, not their inside.
  bool exterior = false;
  // --open-as-drawn: a chain with a free end is written in the direction it
  // was drawn (an open plate) instead of being refused.
  bool open_as_drawn = false;
  bool verbose = false;  // Gmsh's own messages on standard error
};

struct ImportError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads and (for .geo) meshes the model in one dimension; returns the whole
// text of a VELDA input, or throws ImportError with a message naming the
// group and what to do. Gmsh keeps one global state: calls from several
// threads take turns.
std::string input_from_model(const std::string& model_path, const Options& options);

}  // namespace gmsh_import
