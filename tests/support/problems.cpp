#include "tests/support/problems.hpp"

#include "2D/solve_system.hpp"

namespace test_support {

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

std::unique_ptr<velda::Velda> geometry(const std::vector<std::vector<Point>>& boundaries) {
  auto v = std::make_unique<velda::Velda>();
  int last = 0;
  for (const auto& points : boundaries) {
    for (const Point& p : points) {
      ++last;
      v->XP(last) = p.x;
      v->YP(last) = p.y;
    }
    v->LASTND(++v->NBND) = last;
    v->NELEM += static_cast<int>(points.size()) - 1;
  }
  velda::GEOM(*v);
  return v;
}

void prescribe(velda::Velda& v, int first, int last, int code,
               const std::function<double(double, double)>& value) {
  for (int J = first; J <= last; ++J) {
    v.KBC(J) = code;
    v.POTB(J) = value(v.XN(J), v.YN(J));
  }
}

int solve(velda::Velda& v) {
  velda::GHMAMPC(v);
  const int IER = velda::solve_system(v, v.DPOTB.data(), 1);
  velda::REORDER(v);
  return IER;
}

}  // namespace test_support
