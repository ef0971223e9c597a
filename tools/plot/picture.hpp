// The picture of a problem, and of its solution when results are given: the
// plot, the legend beside it and the warnings below, as one SVG document.
// picture.cpp lays out the page; the layers of the plot are in canvas.hpp.
#pragma once

#include <string>

#include "geometry/checks.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/problem.hpp"

namespace plot {

// results and field may be null. The names are those of the files, shown in the
// summary line under the title.
std::string draw_picture(const Problem& problem, const geometry::Examination& examination,
                         const Results* results, const FieldGrid* field,
                         const std::string& input_name, const std::string& report_name);

}  // namespace plot
