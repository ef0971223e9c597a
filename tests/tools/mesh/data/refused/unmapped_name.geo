// A model velda-mesh refuses; each "refused:" line is a part of its message,
// in order. The unit square, its sides curves 1 (bottom) to 4 (left),
// counter-clockwise.
// refused: 'anode' (physical curve 1) is neither a node record nor a name that --bc maps
// refused: give --bc 'anode=RECORD'
Point(1) = {0, 0, 0}; Point(2) = {1, 0, 0}; Point(3) = {1, 1, 0}; Point(4) = {0, 1, 0};
Line(1) = {1, 2}; Line(2) = {2, 3}; Line(3) = {3, 4}; Line(4) = {4, 1};
Physical Curve("anode") = {1:4};
