// The report's layout texts: each heading and each record of the report, as
// the program's steps write it and as the readers of reports read it back.
// The readers take the headings' exact lines and the columns of every value
// from these texts (report/statement.hpp), so nothing of the report's form
// is written a second time.
#pragma once

namespace report {

// The line of asterisks that opens the report, closes its results and
// closes its currents.
inline constexpr const char* kSeparator = R"((" ", 79("*")))";

// The echo of the input, written by INPUMPC: the title record, whose first
// character is its control character, then the counts.
inline constexpr const char* kTitle = "(A)";
inline constexpr const char* kCountsEcho =
    R"((/, /, 1X, "DATA", /, /, 2X, "NUMBER OF BOUNDARY ELEMENTS =", I4, /, 2X, "NUMBER OF INTERNAL POINTS WHERE THE FUNCTION IS CALCULATED =", I4))";
inline constexpr const char* kSymmetryEcho =
    R"((/, /, 2X, "X-SYMMETRY=", I2, 2X, "Y-SYMMETRY=", I2))";
// Written only when there is at least one boundary.
inline constexpr const char* kBoundariesEcho =
    R"((/, 2X, "NUMBER OF DIFFERENT BOUNDARIES =", I4, /, 2X, "LAST NODE OF EACH BOUNDARY =", 5(I4, ",")))";
inline constexpr const char* kPointsHeading =
    R"((/, /, 2X, "COORDINATES OF THE EXTREME POINTS OF THE BOUNDARY", " ELEMENTS", /, /, 1X, "POINT", 7X, "X", 15X, "Y"))";
inline constexpr const char* kPointEcho = R"((2X, I4, 2(2X, E14.5)))";
inline constexpr const char* kConditionsHeading =
    R"((/, /, 2X, "BOUNDARY CONDITIONS", /, /, 2X, "NODE", 6X, "CODE", 7X, "PRESCRIBED VALUE", 5X, "INT.IMPEDANCE / EPS"))";
// Node, code, then one or two values as the code calls for.
inline constexpr const char* kNodeEcho = R"((2X, I4, 8X, I2, 8X, E14.5, 8X, E14.5))";

// A small pivot met by the solver, before the results.
inline constexpr const char* kPivotWarning = R"((1X, "**** IER NON ZERO IN DPVT :", I4))";

// The results, written by OUTPMPC after a separator. A node line has no
// derivative for an interface node.
inline constexpr const char* kNodesHeading =
    R"((/, 1X, "RESULTS", /, /, 2X, "BOUNDARY NODES", /, /, " NODE", 10X, "X", 15X, "Y", 13X, "S", 13X, "POTENTIAL", 3X, "POTENTIAL DERIVATIVE", /))";
inline constexpr const char* kNodeResult = R"((I5, 5(2X, E14.5)))";
// Written only when there are internal points.
inline constexpr const char* kInternalHeading =
    R"((/, /, 2X, "INTERNAL POINTS", /, /, 8X, "X", 15X, "Y", 13X, "POTENTIAL", 8X, "GRADV-X", 9X, "GRADV-Y", /))";
inline constexpr const char* kInternalResult = R"((5(2X, E14.5)))";

// The currents, written by CURRENT when some node is in a group, then a
// separator.
inline constexpr const char* kCurrentsHeading = R"((/, " CURRENTS", /))";
inline constexpr const char* kFlux = R"((" FLUX", I4, " :", E12.5))";

}  // namespace report
