#include "tools/converge/polygon_input.hpp"

#include <cstdio>
#include <memory>
#include <sstream>

#include "2D/VELDA.hpp"
#include "2D/codes.hpp"
#include "runcontrol/failure.hpp"
#include "textio/printable.hpp"
#include "textio/units.hpp"
#include "tools/converge/refused.hpp"

namespace converge {
namespace {

// The record of node J as the input step stored it: each code keeps its
// values in its own arrays.
NodeRecord record_of(const velda::Velda& v, int J) {
  const int code = v.KBC(J);
  if (code == velda::KBC_INTERFACE) return {code, v.BCIMP(J), 0.0};
  if (code == velda::KBC_IMPEDANCE) return {code, v.POTB(J), v.BCVAL(J)};
  return {code, v.POTB(J), 0.0};
}

PolygonInput convert(const velda::Velda& v, std::string title) {
  PolygonInput input;
  input.title = std::move(title);
  input.ISYMX = v.ISYMX;
  input.ISYMY = v.ISYMY;
  int P = 1, J = 1;
  for (int b = 1; b <= v.NBND; ++b) {
    Outline outline;
    for (; P <= v.LASTND(b); ++P) outline.points.push_back({v.XP(P), v.YP(P)});
    for (std::size_t e = 1; e < outline.points.size(); ++e)
      outline.records.push_back(record_of(v, J++));
    input.boundaries.push_back(std::move(outline));
  }
  for (int i = 1; i <= v.NINTP; ++i) input.internal.push_back({v.XINT(i), v.YINT(i)});
  return input;
}

std::string real(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace

int PolygonInput::elements() const {
  int count = 0;
  for (const Outline& b : boundaries) count += static_cast<int>(b.records.size());
  return count;
}

double PolygonInput::perimeter() const {
  double sum = 0.0;
  for (const Outline& b : boundaries)
    for (std::size_t i = 1; i < b.points.size(); ++i) sum += distance(b.points[i - 1], b.points[i]);
  return sum;
}

PolygonInput read_polygon_input(const std::string& text, const std::string& name) {
  // The whole state of a run, about 21 MB: far too large for the stack.
  const auto v = std::make_unique<velda::Velda>();
  std::istringstream in(text);
  std::ostringstream echo, console;
  textio::Units u;
  u.input.connect(in, velda::kInputUnit, name);
  u.report.connect(echo, velda::kReportUnit, "echo");
  u.console.connect(console, 0, {});
  try {
    velda::INPUMPC(*v, u);
  } catch (const runcontrol::Stop& refused) {
    throw Refused("the input file " + textio::printable(name) + " is refused: " + refused.reason +
                  " (" + refused.message + ")");
  } catch (const runcontrol::Failure& failure) {
    throw Refused("the input file " + textio::printable(name) +
                  " cannot be read: " + textio::printable(failure.reason()));
  }
  return convert(*v, text.substr(0, text.find_first_of("\r\n")));
}

std::string input_text(const PolygonInput& input) {
  std::string text = input.title + '\n';
  text += std::to_string(input.ISYMX) + ' ' + std::to_string(input.ISYMY) + ' ' +
          std::to_string(input.elements()) + ' ' + std::to_string(input.internal.size()) + ' ' +
          std::to_string(input.boundaries.size());
  std::size_t last = 0;
  for (const Outline& b : input.boundaries) text += ' ' + std::to_string(last += b.points.size());
  text += '\n';
  for (const Outline& b : input.boundaries)
    for (const lib::Point& p : b.points) text += real(p.x) + ' ' + real(p.y) + '\n';
  for (const Outline& b : input.boundaries)
    for (const NodeRecord& r : b.records) {
      text += std::to_string(r.code) + ' ' + real(r.value);
      if (r.code == velda::KBC_IMPEDANCE) text += ' ' + real(r.second);
      text += '\n';
    }
  for (const lib::Point& p : input.internal) text += real(p.x) + ' ' + real(p.y) + '\n';
  return text;
}

}  // namespace converge
