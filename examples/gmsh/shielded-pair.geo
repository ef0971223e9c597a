// Two round wires in a grounded shield with rounded corners, and a
// dielectric rod between them: a cross-section that is a few lines to draw
// and hundreds of points to type.
//
// The wires, of radius a, centred at (-s, 0) and (s, 0), are held at +1
// (group 1) and -1 (group 2); the shield, 2 w by 2 h with corners rounded
// to radius rc, at 0. The rod of radius r_rod at the origin has relative
// permittivity eps_rod: a code-3 interface, its medium wholly inside the
// region. FLUX 1 / 2 is the capacitance per unit length between the wires
// driven against each other, over the permittivity of the region.
DefineConstant[ a = 0.3, s = 1, w = 3, h = 2, rc = 0.5, r_rod = 0.3, eps_rod = 4, lc = 0.1 ];

// The shield, counter-clockwise from its lower side: four sides and four
// quarter circles.
Macro Corner  // centre (cx, cy), the arc from angle t0 to t0 + 90 degrees
  c = newp; Point(c) = {cx, cy, 0, lc};
  p0 = newp; Point(p0) = {cx + rc * Cos(t0), cy + rc * Sin(t0), 0, lc};
  p1 = newp; Point(p1) = {cx + rc * Cos(t0 + Pi / 2), cy + rc * Sin(t0 + Pi / 2), 0, lc};
  arc = newc; Circle(arc) = {p0, c, p1};
  shield[] += arc;
  ends[] += {p0, p1};
Return
shield[] = {};
ends[] = {};
cx = w - rc; cy = -h + rc; t0 = -Pi / 2; Call Corner;
cx = w - rc; cy = h - rc; t0 = 0; Call Corner;
cx = -w + rc; cy = h - rc; t0 = Pi / 2; Call Corner;
cx = -w + rc; cy = -h + rc; t0 = Pi; Call Corner;
For k In {0:3}
  side = newc; Line(side) = {ends[2 * k + 1], ends[(2 * k + 2) % 8]};
  shield[] += side;
EndFor
Physical Curve("0 0.0") = shield[];

// A circle of radius r about (cx, 0), in four quarters of mesh size m.
Macro CircleOf
  c = newp; Point(c) = {cx, 0, 0, m};
  q[] = {};
  For k In {0:3}
    q[k] = newp; Point(q[k]) = {cx + r * Cos(k * Pi / 2), r * Sin(k * Pi / 2), 0, m};
  EndFor
  round[] = {};
  For k In {0:3}
    arc = newc; Circle(arc) = {q[k], c, q[(k + 1) % 4]};
    round[] += arc;
  EndFor
Return

cx = -s; r = a; m = lc / 2; Call CircleOf;
Physical Curve("-1 1.0") = round[];
cx = s; Call CircleOf;
Physical Curve("-2 -1.0") = round[];
cx = 0; r = r_rod; Call CircleOf;
Physical Curve(Sprintf("3 %g", eps_rod)) = round[];

// Internal points: between rod and wire, above and below the rod, and
// beyond the right-hand wire.
p = newp; Point(p) = {0.5 * (r_rod + s - a), 0, 0};
Point(p + 1) = {0, h / 2, 0};
Point(p + 2) = {0, -h / 2, 0};
Point(p + 3) = {(s + a + w) / 2, 0, 0};
Physical Point("internal") = {p:p + 3};
