// Input text checked by the program's own input step, so that what it
// refuses is refused with its own words.
#pragma once

#include <string>

namespace gmsh_import {

// Why velda's input step would refuse `text`, or an empty text when it reads
// it whole.
std::string velda_refusal(const std::string& text);

// Why velda would refuse `record` as a node record, read alone as the only
// node of an input; empty when it takes it.
std::string record_refusal(const std::string& record);

}  // namespace gmsh_import
