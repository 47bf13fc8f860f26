#!/bin/sh
# The command line: what each option does and what a bad one costs.
#   command_line_test.sh FLOTILLA
set -u
flotilla=$1
failures=0
folder=$(mktemp -d)
err=$folder/stderr
trap 'rm -rf "$folder"' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A refused command line or world: nothing on standard output, one line on
# standard error, exit status $1.
refused() {
    expected=$1
    shift
    out=$(printf 'status\n' | "$flotilla" "$@" 2>"$err")
    status=$?
    [ "$status" -eq "$expected" ] || fail "$*: exit status $status, expected $expected"
    [ -z "$out" ] || fail "$*: wrote to standard output: $out"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$*: expected one line on standard error, got: $(cat "$err")"
}
for bad in --bogus --load "--no-trace --trace=/nonexistent/t" "--trace /nonexistent/f/t"; do
    refused 2 $bad
done
# The manual page is written from --help: the build fails if it does.
"$flotilla" --help | grep -q -- "--headless" || fail "--help: usage does not mention --headless"

# --no-trace drops what the window's views trace; the news stays.
out=$(printf 'tick 2\nquit\n' |
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 10 "$flotilla" --no-trace)
echo "$out" | grep -q ' now at ' || fail "--no-trace: no news"
echo "$out" | grep -q '^Display size: ' && fail "--no-trace: trace lines on standard output"

refused 1 --headless --load /nonexistent/world.txt
[ "$(cat "$err")" = "flotilla: Cannot load /nonexistent/world.txt: No such file or directory" ] ||
    fail "--load of a missing file: $(cat "$err")"

# Scripts run first, each line shown after the prompt; an error names the file and line and
# the script goes on; then standard input, where `source` does the same. A missing script is
# one error and the run goes on. A --resources folder is not looked at without a window.
printf 'group Fleet\nbogus\nsource %s/self.txt\n' "$folder" >"$folder/self.txt"
printf 'Fleet add_member Ajax\n' >"$folder/two.txt"
out=$(printf 'source %s/two.txt\nsource %s/none.txt\nquit\n' "$folder" "$folder" |
    "$flotilla" --headless --resources /nonexistent --script "$folder/self.txt" \
        --script "$folder/two.txt" 2>&1 |
    grep -v ' will \| cruise ')
expected="flotilla> group Fleet
flotilla> bogus
$folder/self.txt:2: Unrecognized command!
flotilla> source $folder/self.txt
flotilla> group Fleet
$folder/self.txt:1: Name is already in use!"
[ "$(echo "$out" | head -6)" = "$expected" ] || fail "scripts: got $(echo "$out" | head -8)"
[ "$(echo "$out" | grep -c ':3: Scripts nested too deep!$')" -eq 1 ] || fail "a script sourcing itself"
[ "$(echo "$out" | grep -c '^flotilla> Fleet add_member Ajax$')" -eq 2 ] ||
    fail "the second script and source from standard input"
[ "$(echo "$out" | tail -1)" = "Cannot read script $folder/none.txt: No such file or directory" ] ||
    fail "a missing script: $(echo "$out" | tail -1)"

[ "$failures" -eq 0 ]
