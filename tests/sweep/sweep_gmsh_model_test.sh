# sweep_gmsh_model_test.sh SOURCE_DIR BIN_DIR
# make-sweep with a Gmsh model and the name of one of its DefineConstant
# parameters: each value reaches the model (the annulus's elements per
# circle), the list names the inputs in order, and a name the model does
# not declare, a name no script can use, or a value velda-mesh refuses (a
# model over the capacity) is refused with nothing left behind.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

model=$1/examples/gmsh/annulus.geo
mkdir "$work/t"
cd "$work/t" || fail "cd"
refused() {
  if "$sweep/make-sweep" "$@" 2> /dev/null; then fail "make-sweep $* is taken"; fi
  [ ! -e s ] || fail "make-sweep $* leaves a folder behind"
}
refused "$model" lc_out s 0.5      # assigned, not declared
refused "$model" 'per circle' s 16 # not a name
refused "$model" per_circle s 16 1000 # over the capacity
[ -z "$(ls -A)" ] || fail "something was made: $(ls -A)"

"$sweep/make-sweep" "$model" per_circle s 16 24 || fail "the sweep of per_circle"
printf 'annulus-16.in\nannulus-24.in\n' | cmp -s - s/inputs || fail "the list: $(cat s/inputs)"
for n in 16 24; do
  # The second line's third number is the count of elements: two circles.
  elements=$(sed -n 2p "s/annulus-$n.in" | awk '{ print $3 }')
  [ "$elements" = $((2 * n)) ] || fail "per_circle=$n gave $elements elements"
done
