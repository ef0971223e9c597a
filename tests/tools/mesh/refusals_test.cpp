// Models that velda-mesh refuses, each with a message that names the group
// at fault and says what to do, through the real Gmsh library. The models
// are the files of data/refused, each with the parts of its message.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>

#include "2D/VELDA.hpp"
#include "gmsh_import/gmsh_import.hpp"
#include "tests/support/run_program.hpp"

namespace {

// The message of the refusal of the model, or a failure when it is not refused.
std::string refusal(const std::string& model) {
  try {
    gmsh_import::input_from_model(model, {});
  } catch (const gmsh_import::ImportError& e) {
    return e.what();
  }
  ADD_FAILURE() << "not refused: " << model;
  return {};
}

TEST(MeshRefusals, SayWhichGroupAndWhatToDo) {
  constexpr int kModels = 11;
  const std::string folder = "tests/tools/mesh/data/refused/", part = "// refused: ";
  int models = 0;
  for (const auto& entry : std::filesystem::directory_iterator(test_support::source_path(folder))) {
    const std::string model = folder + entry.path().filename().string();
    const std::string message = refusal(test_support::source_path(model));
    std::istringstream lines(test_support::source_file(model));
    std::size_t at = 0;
    int parts = 0;
    for (std::string line; std::getline(lines, line) && at != std::string::npos;) {
      if (!line.starts_with(part)) continue;
      at = message.find(line.substr(part.size()), at);
      EXPECT_NE(at, std::string::npos) << model << ": '" << line << "' not in\n" << message;
      ++parts;
    }
    EXPECT_GT(parts, 0) << model;
    ++models;
  }
  EXPECT_EQ(models, kModels);
}

TEST(MeshRefusals, MissingModelIsNamed) {
  EXPECT_THROW(gmsh_import::input_from_model("/nonexistent/model.geo", {}),
               gmsh_import::ImportError);
}

// A circle finer than the capacity allows: the message gives a size factor,
// and the model meshed at that factor fits.
TEST(MeshRefusals, OverCapacityGivesASizeFactorThatFits) {
  const std::string model =
      test_support::source_path("tests/tools/mesh/data/circle_over_capacity.geo");
  const std::string message = refusal(model);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(
      message, m,
      std::regex("gives (\\d+) elements at size factor 1, more than velda's 1600: give "
                 "--size-factor ([0-9.]+), at which it gives (\\d+)")))
      << message;
  EXPECT_GT(std::stoi(m[1]), velda::MAXEL);
  gmsh_import::Options options;
  options.size_factor = std::stod(m[2]);
  const std::string input = gmsh_import::input_from_model(model, options);
  const int elements = std::stoi(input.substr(input.find('\n') + 5));
  EXPECT_EQ(elements, std::stoi(m[3]));
  EXPECT_LE(elements, velda::MAXEL);
}

}  // namespace
