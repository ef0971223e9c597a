// The annulus with the outer circle drawn clockwise and the hole
// counter-clockwise, against the rule; the input turns them round.
DefineConstant[ r_in = 1 ];
lc = 2 * Pi * 2 / 32 * 1.0001;
Point(1) = {0, 0, 0};
Point(2) = {2, 0, 0, lc}; Point(3) = {0, -2, 0, lc}; Point(4) = {-2, 0, 0, lc}; Point(5) = {0, 2, 0, lc};
Circle(1) = {2, 1, 3}; Circle(2) = {3, 1, 4}; Circle(3) = {4, 1, 5}; Circle(4) = {5, 1, 2};
Point(6) = {r_in, 0, 0, lc / 2}; Point(7) = {0, r_in, 0, lc / 2};
Point(8) = {-r_in, 0, 0, lc / 2}; Point(9) = {0, -r_in, 0, lc / 2};
Circle(5) = {6, 1, 7}; Circle(6) = {7, 1, 8}; Circle(7) = {8, 1, 9}; Circle(8) = {9, 1, 6};
Physical Curve("outer") = {1:4};
Physical Curve("-1 0.0") = {5:8};
