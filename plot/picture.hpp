// The picture of a problem, and of its solution when results are given: the
// plot, the legend beside it and the warnings below, as one SVG document.
#pragma once

#include <string>

#include "plot/examine.hpp"
#include "plot/problem.hpp"
#include "plot/report_reader.hpp"

namespace plot {

// results may be null. The names are those of the files, shown in the
// summary line under the title.
std::string draw_picture(const Problem& problem, const Examination& examination,
                         const Results* results, const std::string& input_name,
                         const std::string& report_name);

}  // namespace plot
