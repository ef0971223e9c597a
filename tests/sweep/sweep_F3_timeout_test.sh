# sweep_F3_timeout_test.sh SOURCE_DIR BIN_DIR
# F3: an input that is a FIFO keeps its run waiting for ever. With --timeout
# run-local stops it, names it as timed out and still gathers a table with
# its row; so does run-slurm under a stand-in sbatch (stand_in_sbatch). A
# time limit that is not a whole number of seconds is refused.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

mkdir "$work/bin" && cp "$(dirname "$0")/stand_in_sbatch" "$work/bin/sbatch"
export PATH="$work/bin:$PATH" SBATCH_CALLS="$work/calls"
for runner in run-local run-slurm; do
  "$sweep/make-sweep" "$sweep/capacitor-gap.awk" "$work/$runner" 1 2 || fail "make-sweep"
  rm "$work/$runner/capacitor-gap-1.in" && mkfifo "$work/$runner/capacitor-gap-1.in"
  if "$sweep/$runner" --timeout 1 "$work/$runner" > /dev/null 2> "$work/err"; then
    fail "$runner exits 0"
  fi
  grep -q 'run of capacitor-gap-1.in timed out' "$work/err" || fail "$runner: not named: $(cat "$work/err")"
  tr -d '\r' < "$work/$runner/table.csv" | awk -F, '
    NR == 2 && ($1 != "capacitor-gap-1.out" || $3 == "complete") { exit 1 }
    NR == 3 && ($1 != "capacitor-gap-2.out" || $3 != "complete") { exit 1 }
    END { if (NR != 3) exit 1 }
  ' || fail "$runner: the table: $(cat "$work/$runner/table.csv")"
done
for limit in 0 -1 1.5 x ''; do
  if "$sweep/run-local" --timeout "$limit" "$work/run-local" 2> /dev/null; then
    fail "--timeout '$limit' taken"
  fi
done
