# Sourced by the sweep tests, run as "sh TEST.sh SOURCE_DIR BIN_DIR": the
# sweep kit of the sources, the built programs, a scratch folder removed on
# exit, and fail MESSAGE.
set -u
# A fault that makes a run write without end stops at 64 MiB (in 512-byte
# blocks) instead of filling the disk.
ulimit -f 131072
sweep=$1/examples/sweep
export VELDA_BIN=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
