// An open chain from (1, 1) down to (1, 0) and on to (0, 0).
Point(1) = {0, 0, 0, 0.25}; Point(2) = {1, 0, 0, 0.25}; Point(3) = {1, 1, 0, 0.25};
Line(1) = {3, 2}; Line(2) = {2, 1};
Physical Curve("0 1") = {1, 2};
