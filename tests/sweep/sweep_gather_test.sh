# sweep_gather_test.sh SOURCE_DIR BIN_DIR
# gather writes table.csv whole or not at all: with no velda-table, or on a
# folder that is not a sweep, it fails and leaves no table; a table kept from
# an earlier gathering survives a failed one. Every script called without
# its arguments prints its usage.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

for script in make-sweep gather run-local run-ssh run-slurm slurm-task slurm-gather; do
  if "$sweep/$script" > /dev/null 2> "$work/err"; then fail "$script without arguments exits 0"; fi
  grep -q "^Usage: $script " "$work/err" || fail "$script without arguments: $(cat "$work/err")"
done

mkdir "$work/not-a-sweep"
if "$sweep/gather" "$work/not-a-sweep" 2> /dev/null; then fail "gather on a folder with no inputs"; fi
[ -z "$(ls -A "$work/not-a-sweep")" ] || fail "gather left $(ls -A "$work/not-a-sweep")"

"$sweep/make-sweep" "$sweep/capacitor-gap.awk" "$work/s" 1 || fail "make-sweep"
if VELDA_BIN="$work/nowhere" "$sweep/gather" "$work/s" 2> /dev/null; then fail "gather with no velda-table"; fi
[ "$(ls -A "$work/s")" = "$(printf 'capacitor-gap-1.in\ninputs')" ] || fail "gather left $(ls -A "$work/s")"

# A velda-table that dies half-way through its table.
mkdir "$work/bin"
printf '#!/bin/sh\necho report,title\nkill -9 $$\n' > "$work/bin/velda-table"
chmod +x "$work/bin/velda-table"
echo kept > "$work/s/table.csv"
if VELDA_BIN="$work/bin" "$sweep/gather" "$work/s" 2> /dev/null; then fail "gather of a cut table"; fi
[ "$(cat "$work/s/table.csv")" = kept ] || fail "a cut table replaced the earlier one"
[ "$(find "$work/s" ! -path "$work/s" | wc -l)" -eq 3 ] || fail "gather left $(ls -A "$work/s")"
