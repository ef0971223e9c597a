# slurm_task_test.sh SOURCE_DIR BIN_DIR
# The Slurm array's task body run for tasks 2 and 1, in the environment a
# job array task has: each runs its own input, and gather's table shows
# both complete, in the order of the inputs. A task number past the list
# fails.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

"$sweep/make-sweep" "$sweep/capacitor-gap.awk" "$work/s" 1 2 || fail "make-sweep"
for task in 2 1; do
  SLURM_JOB_ID=$((100 + task)) SLURM_ARRAY_JOB_ID=100 SLURM_ARRAY_TASK_ID=$task \
    SLURM_ARRAY_TASK_MIN=1 SLURM_ARRAY_TASK_MAX=2 SLURM_ARRAY_TASK_COUNT=2 \
    sh "$sweep/slurm-task" "$work/s" || fail "task $task"
done
if SLURM_ARRAY_TASK_ID=3 sh "$sweep/slurm-task" "$work/s" 2> /dev/null; then
  fail "task 3 of 2 inputs succeeds"
fi
"$sweep/gather" "$work/s" > /dev/null || fail "gather"
tr -d '\r' < "$work/s/table.csv" | awk -F, '
  NR > 1 && ($1 != "capacitor-gap-" (NR - 1) ".out" || $3 != "complete" || $8 == "") { exit 1 }
  END { if (NR != 3) exit 1 }
' || fail "the table: $(cat "$work/s/table.csv")"
