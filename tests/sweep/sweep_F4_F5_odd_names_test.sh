# sweep_F4_F5_odd_names_test.sh SOURCE_DIR BIN_DIR
# F4, F5: a sweep over four inputs whose names hold a blank, a quote, "$",
# "%" and a leading dash, in a folder named likewise, runs locally and gives
# a whole table; a second run over it is refused and overwrites nothing,
# even with the table removed.
# shellcheck shell=sh source=sweep_test_setup.sh
. "$(dirname "$0")/sweep_test_setup.sh"

cd "$work" || fail "cd"
"$sweep/make-sweep" "./$odd_problem" "$odd_folder" 0.5 1 2 3 || fail "make-sweep"
"$sweep/run-local" "./$odd_folder" > /dev/null 2> "$work/err" || fail "run-local: $(cat "$work/err")"
rows_complete "./$odd_folder/table.csv" "${odd_problem%.awk}" 0.5 1 2 3 ||
  fail "the table: $(cat "./$odd_folder/table.csv")"
rm "./$odd_folder/table.csv"
before=$(ls -l --time-style=full-iso "./$odd_folder")
if "$sweep/run-local" "./$odd_folder" 2> /dev/null; then fail "a second run is taken"; fi
[ "$(ls -l --time-style=full-iso "./$odd_folder")" = "$before" ] || fail "the second run changed the folder"
