// The ring of annulus.in: U = ln r between r = 1 (held at 0, group 1) and
// r = 2 (held at ln 2, group 2), 32 elements on each circle. The mesh size
// gives each quarter circle 8 elements; it is a hair above a quarter's
// length / 8, so that rounding cannot make it 9.
DefineConstant[ r_in = 1, r_out = 2, per_circle = 32 ];
lc_out = 2 * Pi * r_out / per_circle * 1.0001;
lc_in = 2 * Pi * r_in / per_circle * 1.0001;

Point(1) = {0, 0, 0};
Point(2) = {r_out, 0, 0, lc_out};
Point(3) = {0, r_out, 0, lc_out};
Point(4) = {-r_out, 0, 0, lc_out};
Point(5) = {0, -r_out, 0, lc_out};
Circle(1) = {2, 1, 3};
Circle(2) = {3, 1, 4};
Circle(3) = {4, 1, 5};
Circle(4) = {5, 1, 2};

Point(6) = {r_in, 0, 0, lc_in};
Point(7) = {0, r_in, 0, lc_in};
Point(8) = {-r_in, 0, 0, lc_in};
Point(9) = {0, -r_in, 0, lc_in};
Circle(5) = {6, 1, 7};
Circle(6) = {7, 1, 8};
Circle(7) = {8, 1, 9};
Circle(8) = {9, 1, 6};

Physical Curve("-2 0.69314718056") = {1, 2, 3, 4};
Physical Curve("-1 0.0") = {5, 6, 7, 8};

// The internal points of annulus.in, on the x axis and on the diagonal.
s = 1 / Sqrt(2);
Point(10) = {1.125, 0, 0};
Point(11) = {1.25, 0, 0};
Point(12) = {1.5, 0, 0};
Point(13) = {1.75, 0, 0};
Point(14) = {1.875, 0, 0};
Point(15) = {1.25 * s, 1.25 * s, 0};
Point(16) = {1.5 * s, 1.5 * s, 0};
Point(17) = {1.75 * s, 1.75 * s, 0};
Physical Point("internal") = {10:17};
