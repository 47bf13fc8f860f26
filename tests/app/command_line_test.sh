#!/bin/sh
# The command line: what each option does and what a bad one costs.
#   command_line_test.sh FLOTILLA
set -u
flotilla=$1
failures=0
err=$(mktemp)
trap 'rm -f "$err"' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A bad command line: exactly one line on standard error, nothing on standard
# output, exit status 2.
for bad in --bogus -x "--resources" "--load" "--trace" "--no-trace --trace=/nonexistent/t" \
    "--trace /nonexistent/folder/trace.txt"; do
    out=$("$flotilla" $bad 2>"$err" </dev/null)
    status=$?
    [ "$status" -eq 2 ] || fail "$bad: exit status $status, expected 2"
    [ -z "$out" ] || fail "$bad: wrote to standard output: $out"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$bad: expected one line on standard error, got: $(cat "$err")"
done

out=$("$flotilla" --help </dev/null)
[ $? -eq 0 ] || fail "--help: non-zero exit"
echo "$out" | grep -q -- "--headless" || fail "--help: usage does not mention --headless"

# End of input ends a headless run normally, as quit does; --resources is
# accepted before the window needs it.
printf 'tick\n' | "$flotilla" --headless --resources /nonexistent >/dev/null
[ $? -eq 0 ] || fail "headless run at end of input: non-zero exit"
out=$(printf 'quit\ntick\n' | "$flotilla" --headless | grep -c ' now at ')
[ "$out" -eq 0 ] || fail "lines after quit were run"

# A world that cannot be loaded: one line naming the file, no world run,
# exit status 1.
out=$(printf 'status\n' | "$flotilla" --headless --load /nonexistent/world.txt 2>"$err")
status=$?
[ "$status" -eq 1 ] || fail "--load of a missing file: exit status $status, expected 1"
[ -z "$out" ] || fail "--load of a missing file: wrote to standard output: $out"
[ "$(cat "$err")" = "flotilla: Cannot load /nonexistent/world.txt: No such file or directory" ] ||
    fail "--load of a missing file: $(cat "$err")"

[ "$failures" -eq 0 ]
