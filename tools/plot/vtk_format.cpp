#include "tools/plot/vtk_format.hpp"

#include <cstdio>

#include "tools/plot/svg_writer.hpp"

namespace plot::vtk {
namespace {

// vtkDataSetAttributes::HIDDENPOINT: a point left out of what is drawn.
constexpr int kHiddenPoint = 2;
constexpr std::size_t kValuesPerLine = 6;

std::string header(const std::string& type) {
  return "<?xml version=\"1.0\"?>\n<VTKFile type=\"" + type +
         "\" version=\"1.0\" byte_order=\"LittleEndian\" header_type=\"UInt64\">\n";
}

std::string exact(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value == 0.0 ? 0.0 : value);
  return text;
}

// The values, a few to a line.
std::string listed(const std::vector<double>& values, bool integers) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    text += integers ? std::to_string(static_cast<long long>(values[i])) : exact(values[i]);
    text += (i + 1) % kValuesPerLine == 0 || i + 1 == values.size() ? "\n" : " ";
  }
  return text;
}

std::string data_array(const Array& a) {
  return "<DataArray type=\"" + std::string(a.integers ? "Int32" : "Float64") + "\" Name=\"" +
         escaped(a.name) + "\" NumberOfComponents=\"" + std::to_string(a.components) +
         "\" format=\"ascii\">\n" + listed(a.values, a.integers) + "</DataArray>\n";
}

std::string arrays(const std::string& tag, const std::vector<Array>& data) {
  std::string text = "<" + tag + ">\n";
  for (const Array& a : data) text += data_array(a);
  return text + "</" + tag + ">\n";
}

std::vector<double> in_space(const std::vector<lib::Point>& points) {
  std::vector<double> xyz;
  for (const lib::Point& p : points) xyz.insert(xyz.end(), {p.x, p.y, 0.0});
  return xyz;
}

}  // namespace

std::string poly_data_file(const PolyData& data) {
  const std::size_t cells = data.lines ? data.points.size() / 2 : data.points.size();
  const std::size_t per_cell = data.lines ? 2 : 1;
  std::vector<double> connectivity, offsets;
  for (std::size_t k = 0; k < cells * per_cell; ++k) connectivity.push_back(double(k));
  for (std::size_t c = 1; c <= cells; ++c) offsets.push_back(double(c * per_cell));
  const std::string cell_arrays =
      "<DataArray type=\"Int64\" Name=\"connectivity\" format=\"ascii\">\n" +
      listed(connectivity, true) +
      "</DataArray>\n<DataArray type=\"Int64\" Name=\"offsets\" format=\"ascii\">\n" +
      listed(offsets, true) + "</DataArray>\n";
  const std::string n = std::to_string(cells);
  return header("PolyData") + "<PolyData>\n<Piece NumberOfPoints=\"" +
         std::to_string(data.points.size()) + "\" NumberOfVerts=\"" + (data.lines ? "0" : n) +
         "\" NumberOfLines=\"" + (data.lines ? n : "0") +
         "\" NumberOfStrips=\"0\" NumberOfPolys=\"0\">\n" + arrays("PointData", data.point_data) +
         arrays("CellData", data.cell_data) + "<Points>\n" +
         data_array({"points", in_space(data.points), 3}) + "</Points>\n" +
         (data.lines ? "<Lines>\n" : "<Verts>\n") + cell_arrays +
         (data.lines ? "</Lines>\n" : "</Verts>\n") + "</Piece>\n</PolyData>\n</VTKFile>\n";
}

std::string image_data_file(const ImageData& data) {
  const std::string extent =
      "0 " + std::to_string(data.nx - 1) + " 0 " + std::to_string(data.ny - 1) + " 0 0";
  std::vector<double> ghosts;
  for (bool hidden : data.hidden) ghosts.push_back(hidden ? kHiddenPoint : 0);
  std::string ghost_array = "<DataArray type=\"UInt8\" Name=\"vtkGhostType\" format=\"ascii\">\n" +
                            listed(ghosts, true) + "</DataArray>\n";
  std::string point_arrays;
  for (const Array& a : data.point_data) point_arrays += data_array(a);
  return header("ImageData") + "<ImageData WholeExtent=\"" + extent + "\" Origin=\"" +
         exact(data.origin.x) + " " + exact(data.origin.y) + " 0\" Spacing=\"" + exact(data.step) +
         " " + exact(data.step) + " 1\">\n<Piece Extent=\"" + extent +
         "\">\n<PointData Scalars=\"potential\">\n" + point_arrays + ghost_array +
         "</PointData>\n<CellData>\n</CellData>\n</Piece>\n</ImageData>\n</VTKFile>\n";
}

std::string multi_block_file(const std::vector<Block>& blocks) {
  std::string text = header("vtkMultiBlockDataSet") + "<vtkMultiBlockDataSet>\n";
  for (std::size_t i = 0; i < blocks.size(); ++i)
    text += "<DataSet index=\"" + std::to_string(i) + "\" name=\"" + escaped(blocks[i].name) +
            "\" file=\"" + escaped(blocks[i].file) + "\"/>\n";
  return text + "</vtkMultiBlockDataSet>\n</VTKFile>\n";
}

}  // namespace plot::vtk
