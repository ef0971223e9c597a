#!/bin/sh
# Seeds the corpus of fuzz/report_fuzz in the folder CORPUS from the
# examples' reports: each whole; cut in the middle; cut inside its last
# number; with counts that are not numbers; and followed by a second copy.
set -eu
if [ $# -ne 1 ]; then
  echo "Usage: $0 CORPUS" >&2
  exit 2
fi
corpus=$1
here=$(dirname "$0")
# The closing line of asterisks with its CR LF, the CR LF before it, and the
# last three characters of the number before that.
after_last_number=86
mkdir -p "$corpus"
for report in "$here"/../examples/expected/*.out; do
  name=$(basename "$report" .out)
  size=$(wc -c <"$report")
  cp "$report" "$corpus/$name"
  head -c $((size / 2)) "$report" >"$corpus/$name-half"
  head -c $((size - after_last_number)) "$report" >"$corpus/$name-last-number"
  sed 's/=   \([0-9]\)/= NaN/' "$report" >"$corpus/$name-nan"
  cat "$report" "$report" >"$corpus/$name-twice"
done
