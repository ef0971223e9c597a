// A model velda-mesh refuses; each "refused:" line is a part of its message,
// in order. 22 triangles side by side, one boundary each.
// refused: the model's curves make 22 boundaries, more than velda's 21
// refused: join curves
For k In {1:22}
  Point(4*k) = {3*k, 0, 0}; Point(4*k+1) = {3*k+1, 0, 0};
  Point(4*k+2) = {3*k+1, 1, 0};
  Line(3*k) = {4*k, 4*k+1}; Line(3*k+1) = {4*k+1, 4*k+2}; Line(3*k+2) = {4*k+2, 4*k};
EndFor
Physical Curve("0 0") = {3:68};
