// The problem and its solution for ParaView: one collection (.vtm) of VTK
// XML files in a folder beside it named after it, each block its own file:
//   boundary  the elements as line cells, with the report's potential and
//             normal derivative, the code, the group and the element number
//             as cell data;
//   images    the mirror images' elements likewise, their values those of
//             the elements they show times the image's weight (symmetry only);
//   internal  the internal points with potential and gradient (if any);
//   field     the field grid as image data, potential and gradient at its
//             points, those outside the region blanked (with the field).
#pragma once

#include <string>

#include "report/report.hpp"
#include "tools/plot/field_grid.hpp"
#include "tools/plot/problem.hpp"

namespace plot {

// Writes the files, each replacing what had its name whole or not at all,
// the collection last; throws a PlotError naming the file that cannot be
// written. field may be null.
void write_vtk(const std::string& collection, const Problem& problem, const Results& results,
               const FieldGrid* field);

}  // namespace plot
