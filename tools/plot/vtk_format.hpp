// VTK's XML file formats, written by hand to their published definition
// ("VTK File Formats", the XML formats of VTK 9: PolyData .vtp, ImageData
// .vti and the multi-block collection .vtm), in ASCII, every number with 17
// significant digits so that a reader gets back the very doubles written.
#pragma once

#include <string>
#include <vector>

#include "lib/point.hpp"

namespace plot::vtk {

// One array of values at the points or cells, `components` values a tuple.
struct Array {
  std::string name;
  std::vector<double> values;
  int components = 1;
  bool integers = false;  // written as Int32 rather than Float64
};

// Points in the plane, and cells that are either one point each (vertices)
// or a line between two points each.
struct PolyData {
  std::vector<lib::Point> points;
  bool lines = false;  // cells: point pairs (2k, 2k + 1); else one vertex per point
  std::vector<Array> point_data, cell_data;
};

// nx x ny points from `origin`, `step` apart; hidden[i + nx j] marks the
// points that VTK blanks (vtkGhostType's HIDDENPOINT).
struct ImageData {
  lib::Point origin;
  double step = 0.0;
  int nx = 0, ny = 0;
  std::vector<Array> point_data;
  std::vector<bool> hidden;
};

struct Block {
  std::string name;
  std::string file;  // relative to the collection's folder
};

std::string poly_data_file(const PolyData& data);
std::string image_data_file(const ImageData& data);
std::string multi_block_file(const std::vector<Block>& blocks);

}  // namespace plot::vtk
