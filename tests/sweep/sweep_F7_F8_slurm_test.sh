# sweep_F7_F8_slurm_test.sh SOURCE_DIR BIN_DIR
# run-slurm under a stand-in sbatch that runs each job at once as Slurm
# would (stand_in_sbatch). F8: the folder's name holds "%" (and a blank, a
# quote, "$", a leading dash), which Slurm expands in --output: the tasks
# and the gathering run and give a whole table. F7: a folder named to close
# a quoted command line and run its own command runs none, and still gets
# its table. --timeout reaches every task as sbatch's --time.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

mkdir "$work/bin" && cp "$(dirname "$0")/stand_in_sbatch" "$work/bin/sbatch"
export PATH="$work/bin:$PATH" SBATCH_CALLS="$work/calls"
cd "$work" || fail "cd"
"$sweep/make-sweep" "./$odd_problem" "$odd_folder" 1 2 || fail "make-sweep"
"$sweep/run-slurm" --timeout 90 "./$odd_folder" > "$work/out" 2>&1 || fail "run-slurm: $(cat "$work/out")"
rows_complete "./$odd_folder/table.csv" "${odd_problem%.awk}" 1 2 ||
  fail "the table: $(cat "./$odd_folder/table.csv")"
[ "$(grep -c -x -e '--time=1:30' "$work/calls")" -eq 1 ] || fail "the time limit: $(cat "$work/calls")"

injection="q'; touch PWNED-slurm; echo '"
"$sweep/make-sweep" "$sweep/capacitor-gap.awk" "$injection" 1 || fail "make-sweep"
"$sweep/run-slurm" "$injection" > "$work/out" 2>&1 || fail "run-slurm: $(cat "$work/out")"
[ -z "$(find "$work" -name PWNED-slurm)" ] || fail "the folder's name ran a command"
rows_complete "$injection/table.csv" capacitor-gap 1 || fail "the table: $(cat "$injection/table.csv")"
