// The capacitor of capacitor.in: two conductors 1 wide and 2 high, 1 apart,
// at +1 (group 1) and -1 (group 2) inside a grounded box 8 by 6. Elements of
// 0.5 on the box and of 1/6 on the conductors; each size is a hair above
// the side's length over its count, so that rounding cannot add one.
DefineConstant[ gap = 1, width = 1, height = 2 ];
lc_box = 0.5 * 1.0001;
lc_conductor = 1 / 6 * 1.0001;

// A rectangle from (x0, y0) to (x1, y1); its four lines get the tags
// first .. first + 3, counter-clockwise from the lower left corner.
Macro MakeBox
  Point(first) = {x0, y0, 0, lc};
  Point(first + 1) = {x1, y0, 0, lc};
  Point(first + 2) = {x1, y1, 0, lc};
  Point(first + 3) = {x0, y1, 0, lc};
  For k In {0:3}
    Line(first + k) = {first + k, first + (k + 1) % 4};
  EndFor
Return

first = 1; x0 = -4; y0 = -3; x1 = 4; y1 = 3; lc = lc_box;
Call MakeBox;
first = 11; x0 = -gap / 2 - width; y0 = -height / 2; x1 = -gap / 2; y1 = height / 2; lc = lc_conductor;
Call MakeBox;
first = 21; x0 = gap / 2; x1 = gap / 2 + width;
Call MakeBox;

Physical Curve("0 0.0") = {1:4};
Physical Curve("-1 1.0") = {11:14};
Physical Curve("-2 -1.0") = {21:24};

Point(31) = {0, 0, 0};
Point(32) = {0, 0.5, 0};
Point(33) = {-1, 1.5, 0};
Point(34) = {2.5, 0, 0};
Physical Point("internal") = {31:34};
