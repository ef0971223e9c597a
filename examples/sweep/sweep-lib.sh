# shellcheck shell=sh disable=SC2034,SC2154
# (the scripts that source this file set $me and use what it sets)
# Shared by the scripts of a sweep (sourced, with $me set to the script's
# name): where the programs are, the checks around a run, and the time limit.
# Every name is handled as one word and reaches a program after "--" or as
# "./NAME", so blanks, quotes, "$", "%" and a leading dash need no care; a
# control character (a newline above all, which would split the list of
# inputs) is refused before anything is made.

# The folder holding velda and velda-table: VELDA_BIN, or this tree's build.
bin=${VELDA_BIN:-$(cd "$(dirname "$0")/../../build" && pwd)}

# usage LINE: the script's usage on standard error, exit status 2.
usage() {
  echo "Usage: $me $1" >&2
  exit 2
}

# refuse_control_characters WHAT NAME: ends the script when NAME holds a
# control character.
refuse_control_characters() {
  case $2 in
    *[[:cntrl:]]*)
      echo "$me: $1 holds a control character (a newline, a tab, ...): rename it" >&2
      exit 2
      ;;
  esac
}

# as_operand PATH: PATH as written, or ./PATH when it starts with a dash, so
# that no command takes it for an option.
as_operand() {
  case $1 in
    -*) printf './%s\n' "$1" ;;
    *) printf '%s\n' "$1" ;;
  esac
}

# absolute FOLDER: the folder's absolute path.
absolute() {
  refuse_control_characters "the folder name '$1'" "$1"
  (cd "$(as_operand "$1")" && pwd) || exit 2
}

# read_timeout "$@": sets timeout to SECONDS when the arguments start with
# "--timeout SECONDS" (empty otherwise: no time limit) and shift_by to the
# number of arguments that took.
read_timeout() {
  timeout='' shift_by=0
  [ "${1-}" = --timeout ] || return 0
  case ${2-} in
    '' | *[!0-9]* | 0 | 0*)
      echo "$me: --timeout takes a whole number of seconds above 0, not '${2-}'" >&2
      exit 2
      ;;
  esac
  timeout=$2 shift_by=2
}

# is_sweep FOLDER: ends the script unless FOLDER is one made by make-sweep.
is_sweep() {
  if [ ! -f "$1/inputs" ]; then
    echo "$me: $1 is not a sweep folder made by make-sweep (it has no list 'inputs')" >&2
    exit 2
  fi
}

# enter_sweep FOLDER: moves into a folder made by make-sweep, refusing one
# that holds a report or a table already, so that a gathered table is of one
# run alone and no earlier result is overwritten.
enter_sweep() {
  is_sweep "$1"
  cd "$1" || exit 2
  while IFS= read -r input; do
    for result in "${input%.in}.out" table.csv; do
      if [ -e "$result" ]; then
        echo "$me: $1 holds results of an earlier run ($result): make a new sweep folder" >&2
        exit 2
      fi
    done
  done < inputs
}

# name_failed_runs: names the inputs whose runs GNU parallel's job log
# (runs.log) shows ending with a non-zero exit status or a signal; a run
# killed after $timeout seconds (exit value -1) is named as timed out.
name_failed_runs() {
  awk -F '\t' -v me="$me" -v timeout="$timeout" '
    NR == FNR { input[FNR] = $0; next }
    FNR > 1 && timeout != "" && $7 == -1 && $4 + 0 >= timeout + 0 {
      print me ": the run of " input[$1] " timed out: it reached its time limit of " timeout " s"; next
    }
    FNR > 1 && ($7 != 0 || $8 != 0) {
      print me ": the run of " input[$1] " failed: exit status " $7 ", signal " $8
    }' inputs runs.log >&2
}

# name_timed_out_tasks: names the inputs whose Slurm task logs
# (slurm-TASK.log) hold Slurm's note of a task cancelled at its time limit.
name_timed_out_tasks() {
  awk -v me="$me" -v timeout="$timeout" '
    NR == FNR { input[FNR] = $0; next }
    /CANCELLED .* DUE TO TIME LIMIT/ {
      task = FILENAME; sub(/^slurm-/, "", task); sub(/\.log$/, "", task)
      print me ": the run of " input[task] " timed out: it reached its time limit of " timeout " s"
      nextfile
    }' inputs slurm-*.log >&2 2> /dev/null || true
}
