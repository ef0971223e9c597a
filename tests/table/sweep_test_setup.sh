# Sourced by the sweep tests, run as "sh TEST.sh SOURCE_DIR BIN_DIR": the
# sweep kit of the sources, the built programs, a scratch folder removed on
# exit, and fail MESSAGE.
set -u
sweep=$1/examples/sweep
export VELDA_BIN=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
