# sweep_F6_refused_names_test.sh SOURCE_DIR BIN_DIR
# F6 and the refused make-sweep: a newline (or another control character)
# in the problem's or the folder's name, a value that is not a number, one
# given twice, or one the problem refuses after others were written: each is
# refused, and nothing is left behind, so the same call corrected succeeds.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

mkdir "$work/t"
cd "$work/t" || fail "cd"
newline='
'
cp "$sweep/capacitor-gap.awk" "a${newline}b.awk"
refused() {
  if "$sweep/make-sweep" "$@" 2> /dev/null; then fail "make-sweep $* is taken"; fi
  [ ! -e s ] || fail "make-sweep $* leaves a folder behind"
}
refused "a${newline}b.awk" s 1 2
refused "$sweep/capacitor-gap.awk" "s${newline}t" 1
refused "$sweep/capacitor-gap.awk" "s${newline}" 1 # not taken for s
refused "$sweep/capacitor-gap.awk" s 1 x
refused "$sweep/capacitor-gap.awk" s 1 2 1
refused "$sweep/capacitor-gap.awk" s 1 2 7 # the problem takes gaps below 6
[ "$(ls -A)" = "a${newline}b.awk" ] || fail "something was made: $(ls -A)"
"$sweep/make-sweep" "$sweep/capacitor-gap.awk" s 1 2 || fail "the corrected call"
