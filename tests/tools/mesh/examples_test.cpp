// The bundled examples drawn as Gmsh models (examples/gmsh/) give, through
// the real Gmsh library, inputs that solve as the hand-written ones do: the
// same element counts, fluxes and internal potentials to 5 digits. So do
// the same models saved as mesh files, in both formats Gmsh writes.
#include <gtest/gtest.h>

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
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, BundledModel,
                         ::testing::Values("annulus", "capacitor", "dielectric", "quarter"));

}  // namespace
