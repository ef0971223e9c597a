// The dielectric cylinder of dielectric.in: radius 1, relative permittivity
// eps, in a field that is uniform far away. The outer square carries the
// exact potential x (1 + (1 - eps) / ((1 + eps) r^2)) at the middle of each
// of its 24 elements, so every element is a curve and a physical curve of
// its own, named by its record. The cylinder's surface is a code-3
// interface with the medium inside it, 32 elements.
DefineConstant[ eps = 3, per_circle = 32 ];
n = 6;  // elements on a side of the square
a = 3;  // half the side
lc_side = 2 * a / n * 1.0001;

For k In {0:4 * n - 1}
  side = Floor(k / n);
  t = k - side * n;
  If (side == 0) xs[k] = -a + t; ys[k] = -a; EndIf
  If (side == 1) xs[k] = a; ys[k] = -a + t; EndIf
  If (side == 2) xs[k] = a - t; ys[k] = a; EndIf
  If (side == 3) xs[k] = -a; ys[k] = a - t; EndIf
  Point(100 + k) = {xs[k], ys[k], 0, lc_side};
EndFor
For k In {0:4 * n - 1}
  next = (k + 1) % (4 * n);
  Line(100 + k) = {100 + k, 100 + next};
  xm = (xs[k] + xs[next]) / 2;
  ym = (ys[k] + ys[next]) / 2;
  u = xm * (1 + (1 - eps) / ((1 + eps) * (xm^2 + ym^2)));
  // Elements placed alike about an axis carry the same value: one group.
  us[k] = u;
  known = 0;
  For j In {0:k - 1}
    If (Fabs(us[j] - u) < 1e-12) known = 1; EndIf
  EndFor
  If (known)
    Physical Curve(Sprintf("0 %.13g", u)) += {100 + k};
  Else
    Physical Curve(Sprintf("0 %.13g", u)) = {100 + k};
  EndIf
EndFor

lc = 2 * Pi / per_circle * 1.0001;
Point(1) = {0, 0, 0};
Point(2) = {1, 0, 0, lc};
Point(3) = {0, 1, 0, lc};
Point(4) = {-1, 0, 0, lc};
Point(5) = {0, -1, 0, lc};
Circle(1) = {2, 1, 3};
Circle(2) = {3, 1, 4};
Circle(3) = {4, 1, 5};
Circle(4) = {5, 1, 2};
Physical Curve(Sprintf("3 %g", eps)) = {1:4};

Point(11) = {2, 0, 0};
Point(12) = {0, 2, 0};
Point(13) = {1.5, 1.5, 0};
Point(14) = {-2, 0.5, 0};
Physical Point("internal") = {11:14};
