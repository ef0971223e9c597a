// The values of the command-line options every tool that reads a Gmsh model
// takes as velda-mesh does: --set NAME=VALUE and --bc NAME=RECORD.
#pragma once

#include <string>

#include "gmsh_import/gmsh_import.hpp"

namespace gmsh_import {

// A whole decimal number, finite, in `value`; false for any other text.
bool parse_number(const std::string& text, double& value);

// Adds the value of --set or --bc to `options`; returns what is wrong with
// it, or an empty text. Other options are not this routine's.
std::string add_model_option(const std::string& option, const std::string& value, Options& options);

// Whether `option` is one of those add_model_option takes.
bool is_model_option(const std::string& option);

}  // namespace gmsh_import
