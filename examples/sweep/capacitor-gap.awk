# The capacitor of examples/capacitor.in with the gap between its two
# conductors as the parameter: awk -v p=GAP -f capacitor-gap.awk writes the
# input file for that gap to standard output.
#
# Two conductors, 1 wide and 2 high, at +1 (group 1) and -1 (group 2), side
# by side with the gap between them, centred in a grounded box 8 by 6 (code
# 0). The box runs counter-clockwise in elements of 0.5, each conductor, a
# hole, clockwise in elements of 1/6. FLUX 1 / 2 is the capacitance per unit
# length over the permittivity. Internal points: the middle of the gap (0 by
# symmetry) and a point above it.

# The points from (x, y) to (x + dx, y + dy) in n equal steps, the first
# point left out.
function side(x, y, dx, dy, n,    k) {
  for (k = 1; k <= n; k++) point(x + dx * k / n, y + dy * k / n)
}
function point(x, y) { printf "%.15g %.15g\n", x, y }
# A conductor from x to x + 1, from y = -1 to 1, traversed clockwise.
function conductor(x) {
  point(x, -1); side(x, -1, 0, 2, 12); side(x, 1, 1, 0, 6)
  side(x + 1, 1, 0, -2, 12); side(x + 1, -1, -1, 0, 6)
}
function codes(n, code, value,    k) { for (k = 1; k <= n; k++) print code, value }

BEGIN {
  if (p !~ /^[0-9.eE+-]+$/ || p + 0 <= 0 || p + 0 >= 6) {
    print "capacitor-gap.awk: the gap must be a number above 0 and below 6, not '" p "'" > "/dev/stderr"
    exit 1
  }
  gap = p + 0
  print " TWO-CONDUCTOR CAPACITOR IN A GROUNDED BOX: GAP " p
  print "0 0 128 2 3 57 94 131"
  point(-4, -3); side(-4, -3, 8, 0, 16); side(4, -3, 0, 6, 12)
  side(4, 3, -8, 0, 16); side(-4, 3, 0, -6, 12)
  conductor(-gap / 2 - 1)
  conductor(gap / 2)
  codes(56, 0, "0.0"); codes(36, -1, "1.0"); codes(36, -2, "-1.0")
  print "0.0 0.0  0.0 2.0"
}
