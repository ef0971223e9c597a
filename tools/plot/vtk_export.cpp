#include "tools/plot/vtk_export.hpp"

#include <cmath>
#include <filesystem>

#include "runcontrol/replacing_file.hpp"
#include "tools/plot/plot_error.hpp"
#include "tools/plot/vtk_format.hpp"

namespace plot {
namespace {

namespace fs = std::filesystem;

// The element arrays of a set of line cells, built one cell at a time.
struct Elements {
  vtk::PolyData data{{}, true, {}, {}};
  std::vector<double> potential, derivative, listed, code, group, element;

  void add(const Element& e, Point a, Point b, const NodeResult& node, int J, double weight) {
    data.points.insert(data.points.end(), {a, b});
    potential.push_back(weight * node.potential);
    derivative.push_back(weight * node.derivative.value_or(0.0));
    listed.push_back(node.derivative ? 1 : 0);
    code.push_back(e.code);
    group.push_back(e.code < 0 ? -e.code : 0);
    element.push_back(J);
  }
  std::string file() {
    data.cell_data = {{"potential", potential},
                      {"normal_derivative", derivative},
                      {"derivative_listed", listed, 1, true},
                      {"code", code, 1, true},
                      {"group", group, 1, true},
                      {"element", element, 1, true}};
    return vtk::poly_data_file(data);
  }
};

std::string boundary_file(const Problem& problem, const Results& results, bool mirrored) {
  Elements cells;
  for (const Piece& piece : problem.pieces) {
    if (piece.mirrored != mirrored) continue;
    for (std::size_t k = 0; k < piece.elements.size(); ++k) {
      const int J = piece.elements[k];
      cells.add(problem.elements[J - 1], piece.points[k], piece.points[k + 1],
                results.nodes[static_cast<std::size_t>(J - 1)], J, piece.weight);
    }
  }
  return cells.file();
}

std::string internal_file(const Results& results) {
  vtk::PolyData data;
  std::vector<double> potential, gradient;
  for (const InternalResult& point : results.internal) {
    data.points.push_back(point.at);
    potential.push_back(point.potential);
    gradient.insert(gradient.end(), {point.gradient.x, point.gradient.y, 0.0});
  }
  data.point_data = {{"potential", potential}, {"gradient", gradient, 3}};
  return vtk::poly_data_file(data);
}

// The difference quotient along one axis from the drawn neighbours of a
// drawn point: central with both, one-sided with one, 0 with none.
double slope(const FieldGrid& grid, int i, int j, int di, int dj) {
  const auto drawn = [&](int a, int b) {
    return a >= 0 && b >= 0 && a < grid.nx && b < grid.ny && !std::isnan(grid.at(a, b));
  };
  const bool ahead = drawn(i + di, j + dj), behind = drawn(i - di, j - dj);
  if (ahead && behind)
    return (grid.at(i + di, j + dj) - grid.at(i - di, j - dj)) / (2.0 * grid.step);
  if (ahead) return (grid.at(i + di, j + dj) - grid.at(i, j)) / grid.step;
  if (behind) return (grid.at(i, j) - grid.at(i - di, j - dj)) / grid.step;
  return 0.0;
}

std::string field_file(const FieldGrid& grid) {
  vtk::ImageData data{grid.origin, grid.step, grid.nx, grid.ny, {}, {}};
  std::vector<double> potential, gradient;
  for (int j = 0; j < grid.ny; ++j)
    for (int i = 0; i < grid.nx; ++i) {
      const FieldPoint kind = grid.kind_at(i, j);
      const bool hidden = kind == FieldPoint::OUTSIDE || kind == FieldPoint::BEYOND;
      data.hidden.push_back(hidden);
      potential.push_back(std::isnan(grid.at(i, j)) ? 0.0 : grid.at(i, j));
      if (hidden)
        gradient.insert(gradient.end(), {0.0, 0.0, 0.0});
      else
        gradient.insert(gradient.end(), {slope(grid, i, j, 1, 0), slope(grid, i, j, 0, 1), 0.0});
    }
  data.point_data = {{"potential", potential}, {"gradient", gradient, 3}};
  return vtk::image_data_file(data);
}

void write_file(const fs::path& path, const std::string& text) {
  std::string why;
  const auto file = runcontrol::replacing_file(path.string(), why);
  if (!file) throw PlotError("cannot create the VTK file '" + path.string() + "': " + why);
  file->stream() << text;
  if (!file->keep(why))
    throw PlotError("cannot write the VTK file '" + path.string() + "': " + why);
}

}  // namespace

void write_vtk(const std::string& collection, const Problem& problem, const Results& results,
               const FieldGrid* field) {
  const fs::path vtm(collection);
  const fs::path folder = fs::path(vtm).replace_extension();
  const std::string stem = folder.filename().string();
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    throw PlotError("cannot create the folder '" + folder.string() + "': " + error.message());
  std::vector<vtk::Block> blocks;
  const auto add = [&](const std::string& name, const std::string& file, const std::string& text) {
    write_file(folder / file, text);
    blocks.push_back({name, stem + "/" + file});
  };
  add("boundary", "boundary.vtp", boundary_file(problem, results, false));
  if (problem.ISYMX != 0 || problem.ISYMY != 0)
    add("mirror images", "images.vtp", boundary_file(problem, results, true));
  if (!results.internal.empty()) add("internal points", "internal.vtp", internal_file(results));
  if (field) add("field", "field.vti", field_file(*field));
  write_file(vtm, vtk::multi_block_file(blocks));
}

}  // namespace plot
