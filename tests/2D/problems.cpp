#include "tests/2D/problems.hpp"

#include <cmath>
#include <numbers>

#include "2D/VELDA.hpp"
#include "lib/DPVT.hpp"

namespace velda::test {

namespace {
constexpr double PIVOT_TOLERANCE = 1.0E-5;  // the relative pivot tolerance of a run
}

std::vector<Point> polyline(const std::vector<Point>& corners, int m) {
  std::vector<Point> points{corners.front()};
  for (std::size_t c = 1; c < corners.size(); ++c) {
    const Point a = corners[c - 1], b = corners[c];
    for (int k = 1; k < m; ++k) {
      const double t = static_cast<double>(k) / m;
      points.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
    }
    points.push_back(b);
  }
  return points;
}

std::vector<Point> rectangle(double x0, double y0, double x1, double y1, int m) {
  return polyline({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}, m);
}

std::vector<Point> circle(double cx, double cy, double r, int n, bool clockwise) {
  std::vector<Point> points;
  const double step = (clockwise ? -2.0 : 2.0) * std::numbers::pi / n;
  for (int k = 0; k < n; ++k) {
    points.push_back({cx + r * std::cos(k * step), cy + r * std::sin(k * step)});
  }
  points.push_back(points.front());
  return points;
}

std::vector<Point> mirrored(const std::vector<Point>& points, bool in_x) {
  std::vector<Point> image;
  for (auto p = points.rbegin(); p != points.rend(); ++p) {
    image.push_back(in_x ? Point{-p->x, p->y} : Point{p->x, -p->y});
  }
  return image;
}

void add_boundary(Velda& v, const std::vector<Point>& points) {
  int last = v.NBND == 0 ? 0 : v.LASTND(v.NBND);
  for (const Point& p : points) {
    ++last;
    v.XP(last) = p.x;
    v.YP(last) = p.y;
  }
  v.LASTND(++v.NBND) = last;
  v.NELEM += static_cast<int>(points.size()) - 1;
}

void prescribe(Velda& v, int first, int last, int code,
               const std::function<double(double, double)>& value) {
  for (int J = first; J <= last; ++J) {
    v.KBC(J) = code;
    v.POTB(J) = value(v.XN(J), v.YN(J));
  }
}

void dielectric_cylinder(Velda& v, double EPS) {
  add_boundary(v, rectangle(-3, -3, 3, 3, 6));
  add_boundary(v, circle(0, 0, 1, 32, true));
  GEOM(v);
  prescribe(v, 1, 24, 0, [EPS](double x, double y) {
    return x * (1 + (1 - EPS) / ((1 + EPS) * (x * x + y * y)));
  });
  prescribe(v, 25, 56, 3, [](double, double) { return 0.0; });
  for (int J = 25; J <= 56; ++J) v.BCIMP(J) = EPS;
}

int solve(Velda& v) {
  GHMAMPC(v);
  int IER = 0;
  lib::DPVT(v.AMAT.data(), v.DPOTB.data(), v.NELEM, 1, MAXEL, PIVOT_TOLERANCE, IER);
  REORDER(v);
  return IER;
}

}  // namespace velda::test
