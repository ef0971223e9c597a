// The bundled examples drawn as Gmsh models (examples/gmsh/) give, through
// the real Gmsh library, inputs that solve as the hand-written ones do: the
// same element counts, fluxes and internal potentials to 5 digits. So do
// the same models saved as mesh files, in both formats Gmsh writes.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "gmsh_import/gmsh_import.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/solved.hpp"

namespace {

using test_support::same_to_5_digits;
using test_support::solved;
using test_support::source_file;

std::string model(const std::string& name) {
  return std::string(VELDA_SOURCE_DIR) + "/examples/gmsh/" + name + ".geo";
}

class BundledModel : public ::testing::TestWithParam<const char*> {};

TEST_P(BundledModel, SolvesAsTheHandWrittenExample) {
  const std::string input = gmsh_import::input_from_model(model(GetParam()), {});
  const std::string example = source_file(std::string("examples/") + GetParam() + ".in");
  EXPECT_TRUE(same_to_5_digits(solved(input), solved(example)));
}

// A mesh file holds the model's nodes, elements and group names as Gmsh
// meshed them: the script below has Gmsh save the annulus, and the input
// made from that file solves as the example does.
TEST_P(BundledModel, SavedAsAMeshFileSolvesTheSame) {
  const test_support::Folder folder;
  for (const char* format : {"2.2", "4.1"})
    for (int binary : {0, 1}) {
      const std::filesystem::path mesh = folder.path() / "model.msh";
      folder.write("save.geo", "Include \"" + model(GetParam()) + "\";\nMesh.MshFileVersion = " +
                                   format + ";\nMesh.Binary = " + std::to_string(binary) +
                                   ";\nMesh 1;\nSave \"" + mesh.string() + "\";\n");
      gmsh_import::input_from_model((folder.path() / "save.geo").string(), {});
      const std::string input = gmsh_import::input_from_model(mesh.string(), {});
      const std::string example = source_file(std::string("examples/") + GetParam() + ".in");
      EXPECT_TRUE(same_to_5_digits(solved(input), solved(example)))
          << "format " << format << (binary ? " binary" : " ASCII");
      EXPECT_NE(input.find("the mesh as the file holds it"), std::string::npos);
      gmsh_import::Options finer;
      finer.size_factor = 0.5;  // a mesh file cannot be meshed again
      EXPECT_THROW(gmsh_import::input_from_model(mesh.string(), finer), gmsh_import::ImportError);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, BundledModel,
                         ::testing::Values("annulus", "capacitor", "dielectric", "quarter"));

// FLUX 1 of the shielded pair meshed at a size factor, with its rod's
// permittivity.
double pair_flux(double size_factor, double eps_rod) {
  gmsh_import::Options options;
  options.size_factor = size_factor;
  options.numbers = {{"eps_rod", eps_rod}};
  const auto s = solved(gmsh_import::input_from_model(model("shielded-pair"), options));
  EXPECT_EQ(s.fluxes.size(), 2u);
  EXPECT_NEAR(s.fluxes.at(0), -s.fluxes.at(1), 1e-9 * s.fluxes.at(0));  // the drive's symmetry
  return s.fluxes.at(0);
}

// The shielded pair settles as it is meshed finer, at an order between 1
// and 3 (the boundary is smooth, the arcs are approximated by chords), and
// the rod's permittivity raises the capacitance between the wires.
TEST(ShieldedPair, CapacitanceSettlesUnderRefinement) {
  const double coarse = pair_flux(2.0, 4.0), middle = pair_flux(1.0, 4.0),
               fine = pair_flux(0.5, 4.0);
  const double order = std::log2((middle - coarse) / (fine - middle));
  EXPECT_GT(order, 1.0);
  EXPECT_LT(order, 3.0);
  EXPECT_GT(fine, pair_flux(0.5, 1.0));
}

}  // namespace
