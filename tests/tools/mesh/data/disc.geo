// The unit circle alone.
Point(1) = {0, 0, 0}; Point(2) = {1, 0, 0, 0.2}; Point(3) = {-1, 0, 0, 0.2};
Circle(1) = {2, 1, 3}; Circle(2) = {3, 1, 2};
Physical Curve("0 1") = {1, 2};
