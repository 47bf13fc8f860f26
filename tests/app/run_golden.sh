#!/bin/sh
# Runs one console script through the headless program and compares every
# byte of its standard output with the expected transcript.
#   run_golden.sh FLOTILLA SCRIPT EXPECTED
set -u
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$1" --headless <"$2" >"$actual" || { echo "exit status $?, expected 0"; exit 1; }
cmp -s "$3" "$actual" || { diff -u "$3" "$actual" | head -60; exit 1; }
