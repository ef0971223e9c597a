// The unit circle in about 2000 elements, a quarter more than velda takes.
lc = 2 * Pi / 2000;
Point(1) = {0, 0, 0}; Point(2) = {1, 0, 0, lc}; Point(3) = {-1, 0, 0, lc};
Circle(1) = {2, 1, 3}; Circle(2) = {3, 1, 2};
Physical Curve("0 1") = {1, 2};
