#!/bin/sh
# Runs one console script through the headless program and compares every
# byte of its standard output with the expected transcript.
#   run_golden.sh FLOTILLA SCRIPT EXPECTED
set -u
flotilla=$1 script=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$flotilla" --headless < "$script" > "$actual"
status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status, expected 0"
    exit 1
fi
if ! cmp -s "$expected" "$actual"; then
    diff -u "$expected" "$actual" | head -60
    exit 1
fi
