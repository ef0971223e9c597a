# shellcheck shell=sh disable=SC2034 # the tests use what it sets
# Sourced by the sweep tests, run as "sh TEST.sh SOURCE_DIR BIN_DIR": the
# sweep kit of the sources, the built programs, a scratch folder removed on
# exit, and fail MESSAGE.
set -u
# A fault that makes a run write without end stops at 64 MiB (in 512-byte
# blocks) instead of filling the disk.
ulimit -f 131072
sweep=$1/examples/sweep
export VELDA_BIN="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The odd names a sweep must take: a blank, a quote, "$", "%" and a leading
# dash, in the problem's name (so in every input's) and in the folder's.
odd_problem="-it's \$a 5%.awk"
odd_folder="-q'x \$y%o z"
cp "$sweep/capacitor-gap.awk" "$work/$odd_problem"

# rows_complete TABLE NAME VALUE...: TABLE has the header and, in order, a
# complete row with a flux for the report NAME-VALUE.out of each VALUE.
rows_complete() {
  table=$1 name=$2
  shift 2
  tr -d '\r' < "$table" | awk -F, -v name="$name" -v values="$*" '
    BEGIN { n = split(values, value, " ") }
    NR == 1 { if ($1 != "report" || $3 != "status" || $8 != "flux1") exit 1; next }
    # A name with a quote is a quoted CSV field, its quote doubled.
    { report = $1; if (report ~ /^"/) { gsub(/^"|"$/, "", report); gsub(/""/, "\"", report) } }
    report != name "-" value[NR - 1] ".out" || $3 != "complete" || $8 == "" { exit 1 }
    END { if (NR != n + 1) exit 1 }
  '
}
