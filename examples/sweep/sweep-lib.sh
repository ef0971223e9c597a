# Shared by the run scripts of a sweep (sourced, with $me set to the
# script's name): where the programs are, and the checks around a run.

# The folder holding velda and velda-table: VELDA_BIN, or this tree's build.
bin=${VELDA_BIN:-$(cd "$(dirname "$0")/../../build" && pwd)}

# enter_sweep FOLDER: moves into a folder made by make-sweep, refusing one
# that holds a report or a table already, so that a gathered table is of one
# run alone and no earlier result is overwritten.
enter_sweep() {
  if [ ! -f "$1/inputs" ]; then
    echo "$me: $1 is not a sweep folder made by make-sweep (it has no list 'inputs')" >&2
    exit 2
  fi
  cd "$1"
  for result in $(sed 's/\.in$/.out/' inputs) table.csv; do
    if [ -e "$result" ]; then
      echo "$me: $1 holds results of an earlier run ($result): make a new sweep folder" >&2
      exit 2
    fi
  done
}

# name_failed_runs: names the inputs whose runs GNU parallel's job log
# (runs.log) shows ending with a non-zero exit status or a signal.
name_failed_runs() {
  awk -F '\t' -v me="$me" '
    NR == FNR { input[FNR] = $0; next }
    FNR > 1 && ($7 != 0 || $8 != 0) {
      print me ": the run of " input[$1] " failed: exit status " $7 ", signal " $8
    }' inputs runs.log >&2
}
