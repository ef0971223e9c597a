// Models that velda-mesh refuses, each with a message that names the group
// at fault and says what to do, through the real Gmsh library.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "2D/VELDA.hpp"
#include "gmsh_import/gmsh_import.hpp"
#include "tests/support/run_program.hpp"

namespace {

// The unit square, its sides curves 1 (bottom) to 4 (left), counter-clockwise.
constexpr const char* kSquare = R"(
Point(1) = {0, 0, 0}; Point(2) = {1, 0, 0}; Point(3) = {1, 1, 0}; Point(4) = {0, 1, 0};
Line(1) = {1, 2}; Line(2) = {2, 3}; Line(3) = {3, 4}; Line(4) = {4, 1};
)";

// The message of the refusal of `geo`, or a failure when it is not refused.
std::string refusal(const std::string& geo, const gmsh_import::Options& options = {}) {
  const test_support::Folder folder;
  folder.write("model.geo", geo);
  try {
    gmsh_import::input_from_model((folder.path() / "model.geo").string(), options);
  } catch (const gmsh_import::ImportError& e) {
    return e.what();
  }
  ADD_FAILURE() << "not refused:\n" << geo;
  return {};
}

struct Case {
  const char* fault;
  std::string geo;
  std::vector<const char*> message;  // parts of the message, in order
};

const Case kCases[] = {
    {"untagged curve",
     std::string(kSquare) + "Physical Curve(\"0 0\") = {1, 2, 3};",
     {"curve 4 is in no physical curve", "add it to the physical curve"}},
    {"curve in two groups",
     std::string(kSquare) + "Physical Curve(\"0 0\") = {1:4};\nPhysical Curve(\"1 0\") = {4};",
     {"curve 4 is in two physical curves, '0 0' (physical curve 1) and '1 0' (physical curve 2)",
      "keep it in one"}},
    {"unmapped name",
     std::string(kSquare) + "Physical Curve(\"anode\") = {1:4};",
     {"'anode' (physical curve 1) is neither a node record nor a name that --bc maps",
      "give --bc 'anode=RECORD'"}},
    {"unknown code",
     std::string(kSquare) + "Physical Curve(\"4 1.0\") = {1:4};",
     {"velda would refuse the record '4 1.0' of '4 1.0' (physical curve 1): UNKNOWN CODE",
      "a node record is"}},
    {"record short of a value",
     std::string(kSquare) + "Physical Curve(\"2 1.0\") = {1:4};",
     {"velda would refuse the record '2 1.0' of '2 1.0' (physical curve 1)", "a node record is"}},
    {"symmetry curve off its axis",
     std::string(kSquare) + "Translate {1, 1, 0} { Curve{1:4}; }\n"
                            "Physical Curve(\"0 0\") = {1:3};\nPhysical Curve(\"symmetry\") = {4};",
     {"curve 4 of 'symmetry' (physical curve 2) is not on the axis x = 0 or y = 0", "move"}},
    {"open chain",
     std::string(kSquare) + "Delete { Curve{4}; }\nPhysical Curve(\"0 0\") = {1:3};",
     {"the chain of '0 0' (physical curve 1) is open, from (0, 0) to (0, 1)", "--open-as-drawn"}},
    {"branching boundary",
     std::string(kSquare) + "Line(5) = {1, 3};\nPhysical Curve(\"0 0\") = {1:5};",
     {"more than two elements meet at (0, 0) ('0 0' (physical curve 1))", "split the model"}},
    {"second-order mesh",
     std::string(kSquare) + "Mesh.ElementOrder = 2;\nPhysical Curve(\"0 0\") = {1:4};",
     {"curve 1 of '0 0' (physical curve 1) is meshed in Line 3", "Mesh.ElementOrder = 1"}},
    {"too many boundaries",
     "For k In {1:22}\n  Point(4*k) = {3*k, 0, 0}; Point(4*k+1) = {3*k+1, 0, 0};\n"
     "  Point(4*k+2) = {3*k+1, 1, 0};\n  Line(3*k) = {4*k, 4*k+1}; Line(3*k+1) = {4*k+1, 4*k+2};"
     " Line(3*k+2) = {4*k+2, 4*k};\nEndFor\n"
     "Physical Curve(\"0 0\") = {3:68};",
     {"the model's curves make 22 boundaries, more than velda's 21", "join curves"}},
    {"a script Gmsh cannot read", "Point(1) = {0, 0;", {"Gmsh refused the model", "syntax error"}},
};

TEST(MeshRefusals, SayWhichGroupAndWhatToDo) {
  for (const Case& c : kCases) {
    const std::string message = refusal(c.geo);
    std::size_t at = 0;
    for (const char* part : c.message) {
      at = message.find(part, at);
      EXPECT_NE(at, std::string::npos) << c.fault << ": '" << part << "' not in\n" << message;
      if (at == std::string::npos) break;
    }
  }
}

TEST(MeshRefusals, MissingModelIsNamed) {
  EXPECT_THROW(gmsh_import::input_from_model("/nonexistent/model.geo", {}),
               gmsh_import::ImportError);
}

// A circle finer than the capacity allows: the message gives a size factor,
// and the model meshed at that factor fits.
TEST(MeshRefusals, OverCapacityGivesASizeFactorThatFits) {
  const int over = velda::MAXEL * 5 / 4;
  const std::string geo =
      "lc = 2 * Pi / " + std::to_string(over) +
      ";\nPoint(1) = {0, 0, 0}; Point(2) = {1, 0, 0, lc};"
      " Point(3) = {-1, 0, 0, lc};\nCircle(1) = {2, 1, 3}; Circle(2) = {3, 1, 2};\n"
      "Physical Curve(\"0 1\") = {1, 2};\n";
  const std::string message = refusal(geo);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(
      message, m,
      std::regex("gives (\\d+) elements at size factor 1, more than velda's 1600: give "
                 "--size-factor ([0-9.]+), at which it gives (\\d+)")))
      << message;
  EXPECT_GT(std::stoi(m[1]), velda::MAXEL);
  const test_support::Folder folder;
  folder.write("circle.geo", geo);
  gmsh_import::Options options;
  options.size_factor = std::stod(m[2]);
  const std::string input =
      gmsh_import::input_from_model((folder.path() / "circle.geo").string(), options);
  const int elements = std::stoi(input.substr(input.find('\n') + 5));
  EXPECT_EQ(elements, std::stoi(m[3]));
  EXPECT_LE(elements, velda::MAXEL);
}

}  // namespace
