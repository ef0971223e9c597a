#include "gmsh_import/groups.hpp"

#include <algorithm>
#include <cmath>
#include <map>

#include "gmsh_import/velda_check.hpp"

namespace gmsh_import {
namespace {

// A coordinate within this fraction of the model's extent of zero is on
// the axis: Gmsh gives points drawn on an axis exactly, meshed ones within
// rounding.
constexpr double kOnAxis = 1.0E-9;

constexpr const char* kRecordExamples =
    "a node record is the code and its values as the input file writes them: '0 1.5', "
    "'-2 1.0', '1 0', '2 1.0 0.05', '3 4.0'";

// The physical curves each curve belongs to.
std::map<int, std::vector<const Group*>> membership(const Model& model) {
  std::map<int, std::vector<const Group*>> groups_of;
  for (const Group& g : model.groups)
    if (g.dim == 1)
      for (int curve : g.entities) groups_of[curve].push_back(&g);
  return groups_of;
}

void check_curve(const Curve& curve, const std::vector<const Group*>& groups) {
  const std::string which = "curve " + std::to_string(curve.tag);
  if (groups.empty())
    throw ImportError(which +
                      " is in no physical curve: add it to the physical curve whose "
                      "condition it carries, or delete it from the model");
  if (groups.size() > 1)
    throw ImportError(which + " is in two physical curves, " + group_name(*groups[0]) + " and " +
                      group_name(*groups[1]) +
                      ": keep it in one, the one whose condition it carries");
  if (!curve.other_elements.empty())
    throw ImportError(which + " of " + group_name(*groups[0]) + " is meshed in " +
                      curve.other_elements +
                      " elements: velda takes straight 2-node elements only; mesh it at order 1 "
                      "(Mesh.ElementOrder = 1, or gmsh -1 -order 1)");
}

// The record a condition group stands for: its name mapped by --bc, or its
// name itself when that begins like a record.
std::string record_of(const Group& g, const Options& options) {
  const auto mapped = options.conditions.find(g.name);
  if (mapped != options.conditions.end()) return mapped->second;
  const std::size_t first = g.name.find_first_not_of(" \t");
  const bool looks_like_record =
      first != std::string::npos &&
      std::string("+-.0123456789").find(g.name[first]) != std::string::npos;
  if (looks_like_record) return g.name;
  if (g.name.empty())
    throw ImportError(group_name(g) +
                      " has no name: name it with its node record, or with a name "
                      "that --bc NAME=RECORD maps to one; " +
                      kRecordExamples);
  throw ImportError(group_name(g) +
                    " is neither a node record nor a name that --bc maps: give --bc '" + g.name +
                    "=RECORD'; " + kRecordExamples);
}

Condition condition_of(const Group& g, const Options& options) {
  const std::string record = record_of(g, options);
  std::string why = record.find_first_of("\r\n") != std::string::npos
                        ? std::string("a record is one line")
                        : record_refusal(record);
  if (!why.empty())
    throw ImportError("velda would refuse the record '" + record + "' of " + group_name(g) + ": " +
                      why + "; " + kRecordExamples);
  return {group_name(g), record};
}

// The flag a symmetry curve sets: the mirror image x -> -x for a curve on
// x = 0 (ISYMX), y -> -y for one on y = 0 (ISYMY).
void set_symmetry(const Model& model, const Group& g, const Curve& curve, double extent,
                  Groups& out) {
  const int weight = g.name == kSymmetry ? 1 : -1;
  bool on_x = true, on_y = true;
  for (const Segment& s : curve.segments)
    for (NodeTag n : {s.a, s.b}) {
      on_x = on_x && on_axis(model.nodes.at(n).x, extent);
      on_y = on_y && on_axis(model.nodes.at(n).y, extent);
    }
  if (!on_x && !on_y)
    throw ImportError("curve " + std::to_string(curve.tag) + " of " + group_name(g) +
                      " is not on the axis x = 0 or y = 0: a symmetry line must lie on one; move "
                      "the model so that it does, or give the curve a condition instead");
  int& flag = on_x ? out.ISYMX : out.ISYMY;
  if (flag != 0 && flag != weight)
    throw ImportError("curve " + std::to_string(curve.tag) + " of " + group_name(g) + " lies on " +
                      (on_x ? "x = 0" : "y = 0") +
                      ", where another curve is a line of the other kind of symmetry: give the "
                      "axis one kind");
  flag = weight;
}

void add_internal_points(const Model& model, const Options& options, Groups& out) {
  for (const Group& g : model.groups)
    if (g.dim == 0 && g.name == kInternal)
      for (int point : g.entities) {
        const auto nodes = model.point_nodes.find(point);
        if (nodes == model.point_nodes.end()) continue;
        for (NodeTag n : nodes->second) out.internal.push_back(model.nodes.at(n));
      }
  out.internal.insert(out.internal.end(), options.extra_points.begin(), options.extra_points.end());
}

}  // namespace

std::string group_name(const Group& group) {
  return "'" + group.name + "' (physical " + (group.dim == 0 ? "point " : "curve ") +
         std::to_string(group.tag) + ")";
}

bool on_axis(double c, double extent) { return std::fabs(c) <= kOnAxis * extent; }

double extent_of(const Model& model) {
  double extent = 0.0;
  for (const auto& [tag, p] : model.nodes)
    extent = std::max({extent, std::fabs(p.x), std::fabs(p.y)});
  return extent;
}

Groups read_groups(const Model& model, const Options& options) {
  Groups out;
  const auto groups_of = membership(model);
  const double extent = extent_of(model);
  std::map<const Group*, int> index;  // of each condition group in out.conditions
  for (const Curve& curve : model.curves) {
    const auto found = groups_of.find(curve.tag);
    check_curve(curve, found == groups_of.end() ? std::vector<const Group*>{} : found->second);
    const Group& g = *found->second.front();
    if (g.name == kSymmetry || g.name == kAntisymmetry) {
      set_symmetry(model, g, curve, extent, out);
      continue;
    }
    if (!index.count(&g)) {
      index[&g] = static_cast<int>(out.conditions.size());
      out.conditions.push_back(condition_of(g, options));
    }
    for (const Segment& s : curve.segments) out.edges.push_back({s.a, s.b, index[&g], curve.tag});
  }
  add_internal_points(model, options, out);
  return out;
}

}  // namespace gmsh_import
