// The VTK collection read back by VTK's own XML readers (the library
// ParaView uses, through Debian's python3-vtk9): the values at the boundary
// elements, their mirror images, the internal points and the grid points are
// the report's and the picture's field's, and the points VTK blanks are those
// outside the region.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/plot_shapes.hpp"
#include "tests/support/run_program.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/run.hpp"

namespace {

namespace fs = std::filesystem;

constexpr const char* kPython = "/usr/bin/python3";

// "BLOCK KIND NAME" -> its values, as read_vtk.py prints them.
using Arrays = std::map<std::string, std::vector<double>>;

Arrays read_back(const fs::path& collection) {
  test_support::Launch launch;
  launch.program = kPython;
  launch.args = {std::string(VELDA_SOURCE_DIR) + "/tests/tools/plot/read_vtk.py",
                 collection.string()};
  const test_support::Outcome o = test_support::run(collection.parent_path(), launch);
  EXPECT_EQ(o.status, 0) << "read_vtk.py failed: " << o.error;
  Arrays arrays;
  std::istringstream lines(o.out);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string block, kind, name;
    int components = 0;
    fields >> block >> kind >> name;
    if (kind == "cell" || kind == "point") fields >> components;
    std::vector<double>& values = arrays[block + " " + kind + " " + name];
    for (double v; fields >> v;) values.push_back(v);
  }
  return arrays;
}

struct Exported : test_support::PlotCase {
  plot::FieldGrid field;
  Arrays arrays;
};

Exported exported(const std::string& name, const fs::path& folder) {
  const std::string dir = std::string(VELDA_SOURCE_DIR) + "/examples/";
  Exported e{test_support::bundled(name), {}, {}};
  e.field =
      plot::compute_field(e.problem, e.examination.chains, e.results, plot::kDefaultGridPoints);
  const fs::path vtm = folder / (name + ".vtm");
  std::ofstream(vtm) << "an older collection, to be replaced whole";
  std::ostringstream out, err;
  const std::vector<std::string> args{dir + name + ".in",
                                      dir + "expected/" + name + ".out",
                                      "-o",
                                      (folder / (name + ".svg")).string(),
                                      "--vtk",
                                      vtm.string()};
  EXPECT_EQ(plot::run(args, out, err), plot::kExitDrawn) << err.str();
  e.arrays = read_back(vtm);
  return e;
}

// Element J's values in a line-cell block, from cell `cell`, the image's
// weight times the report's.
void expect_element(const Exported& e, const std::string& block, std::size_t cell, int J,
                    double weight) {
  const plot::NodeResult& node = e.results.nodes[static_cast<std::size_t>(J - 1)];
  const auto at = [&](const std::string& name) {
    return e.arrays.at(block + " cell " + name)[cell];
  };
  EXPECT_EQ(at("element"), J);
  EXPECT_EQ(at("potential"), weight * node.potential) << block << " " << J;
  EXPECT_EQ(at("normal_derivative"), weight * node.derivative.value_or(0.0)) << block << " " << J;
  EXPECT_EQ(at("derivative_listed"), node.derivative ? 1 : 0);
  EXPECT_EQ(at("code"), e.problem.elements[J - 1].code);
  EXPECT_EQ(at("group"), e.problem.elements[J - 1].code < 0 ? -e.problem.elements[J - 1].code : 0);
}

TEST(Vtk, ValuesReadBackAreTheReportsAndTheFields) {
  const test_support::Folder folder;
  for (const char* name : {"capacitor", "quarter"}) {
    const Exported e = exported(name, folder.path());
    std::size_t cell = 0, image_cell = 0;
    for (const geometry::Piece& piece : e.problem.pieces)
      for (int J : piece.elements) {
        if (piece.mirrored)
          expect_element(e, "mirror_images", image_cell++, J, piece.weight);
        else
          expect_element(e, "boundary", cell++, J, 1.0);
      }
    EXPECT_EQ(e.arrays.at("boundary lines 1")[0], e.problem.elements.size()) << name;
    EXPECT_EQ(e.arrays.count("mirror_images cell potential") > 0, image_cell > 0) << name;
    for (std::size_t i = 0; i < e.results.internal.size(); ++i) {
      const plot::InternalResult& point = e.results.internal[i];
      EXPECT_EQ(e.arrays.at("internal_points point potential")[i], point.potential);
      EXPECT_EQ(e.arrays.at("internal_points point gradient")[3 * i], point.gradient.x);
      EXPECT_EQ(e.arrays.at("internal_points point gradient")[3 * i + 1], point.gradient.y);
      EXPECT_EQ(e.arrays.at("internal_points points 3")[3 * i], point.at.x);
    }
    const std::vector<double>& grid = e.arrays.at("field grid " + std::to_string(e.field.nx));
    ASSERT_EQ(grid.size(), 4U) << name;  // NY, origin and step follow NX on the line
    const std::vector<double>& potential = e.arrays.at("field point potential");
    const std::vector<double>& hidden = e.arrays.at("field point hidden");
    ASSERT_EQ(potential.size(), e.field.value.size());
    std::size_t shown = 0;
    for (std::size_t k = 0; k < potential.size(); ++k) {
      const plot::FieldPoint kind = e.field.kind[k];
      const bool outside = kind == plot::FieldPoint::OUTSIDE || kind == plot::FieldPoint::BEYOND;
      EXPECT_EQ(hidden[k] == 1.0, outside) << name << " point " << k;
      if (outside) continue;
      EXPECT_EQ(potential[k], e.field.value[k]) << name << " point " << k;
      ++shown;
    }
    EXPECT_GT(shown, potential.size() / 3) << name;
  }
}

}  // namespace
