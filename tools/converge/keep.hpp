// The levels kept on disk, each input and its report as the program wrote
// it, so that velda-table and velda-plot can read them.
#pragma once

#include <string>

namespace converge {

// The folder, created when it does not exist yet (its parent must).
// Throws Refused when it cannot be.
void make_folder(const std::string& folder);

// FOLDER/levelK.in and FOLDER/levelK.out, K counted from 1, each replacing
// any file of its name only once written whole. Throws Refused when a file
// cannot be written.
void keep_level(const std::string& folder, int k, const std::string& input,
                const std::string& report);

}  // namespace converge
