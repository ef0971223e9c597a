// The annulus of annulus.geo given as its first quadrant, as quarter.in
// gives it: the outer arc (r = 2, at ln 2, group 2) and the hole's arc
// (r = 1, at 0, group 1), 8 elements each, and the two straight pieces on
// the axes as symmetry lines, which set both symmetry flags to 1.
r_in = 1;
r_out = 2;
lc_out = Pi * r_out / 2 / 8 * 1.0001;
lc_in = Pi * r_in / 2 / 8 * 1.0001;

Point(1) = {0, 0, 0};
Point(2) = {r_out, 0, 0, lc_out};
Point(3) = {0, r_out, 0, lc_out};
Point(4) = {r_in, 0, 0, lc_in};
Point(5) = {0, r_in, 0, lc_in};
Circle(1) = {2, 1, 3};
Circle(2) = {4, 1, 5};
Line(3) = {4, 2};
Line(4) = {3, 5};

Physical Curve("-2 0.69314718056") = {1};
Physical Curve("-1 0.0") = {2};
Physical Curve("symmetry") = {3, 4};

Point(6) = {1.5, 0, 0};
Point(7) = {1.5 * Cos(Pi / 8), 1.5 * Sin(Pi / 8), 0};
Point(8) = {1.5 / Sqrt(2), 1.5 / Sqrt(2), 0};
Physical Point("internal") = {6:8};
