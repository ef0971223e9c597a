# sweep_local_test.sh SOURCE_DIR BIN_DIR
# run-local over four gaps of the capacitor, the third input cut short so its
# run fails: the run must fail naming it, and the table must hold a row for
# every input in order, the failed one incomplete, the others complete with
# charges that fall as the gap widens and are equal and opposite.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

"$sweep/make-sweep" "$sweep/capacitor-gap.awk" "$work/s" 0.5 1 2 3 || fail "make-sweep"
head -n 100 "$work/s/capacitor-gap-2.in" > "$work/cut" && mv "$work/cut" "$work/s/capacitor-gap-2.in"
if "$sweep/run-local" "$work/s" > "$work/out" 2> "$work/err"; then fail "run-local exits 0"; fi
grep -q 'run of capacitor-gap-2.in failed' "$work/err" || fail "the failed run is not named"
grep -q 'capacitor-gap-2.out: incomplete' "$work/err" || fail "its report is not named"
tr -d '\r' < "$work/s/table.csv" | awk -F, '
  BEGIN { split("0.5 1 2 3", gap, " ") }
  NR == 1 { if ($1 != "report" || $3 != "status" || $8 != "flux1") exit 1; next }
  $1 != "capacitor-gap-" gap[NR - 1] ".out" { exit 1 }
  NR == 4 { if ($3 != "incomplete" || $8 != "") exit 1; next }
  { if ($3 != "complete" || $9 != "-" $8 || (NR > 2 && $8 + 0 >= last)) exit 1; last = $8 + 0 }
  END { if (NR != 5) exit 1 }
' || fail "the table: $(cat "$work/s/table.csv")"
