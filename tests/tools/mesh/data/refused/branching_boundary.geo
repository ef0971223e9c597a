// A model velda-mesh refuses; each "refused:" line is a part of its message,
// in order. The unit square, its sides curves 1 (bottom) to 4 (left),
// counter-clockwise.
// refused: more than two elements meet at (0, 0) ('0 0' (physical curve 1))
// refused: split the model
Point(1) = {0, 0, 0}; Point(2) = {1, 0, 0}; Point(3) = {1, 1, 0}; Point(4) = {0, 1, 0};
Line(1) = {1, 2}; Line(2) = {2, 3}; Line(3) = {3, 4}; Line(4) = {4, 1};
Line(5) = {1, 3};
Physical Curve("0 0") = {1:5};
