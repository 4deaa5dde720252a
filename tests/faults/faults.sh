#!/usr/bin/env bash
# The calculator under hostile surroundings, through the scenario runner: an aerodrome file that
# is a directory, a pipe, unreadable, or vanishes between two searches; no pictures; a data
# folder it may not write to, run as an unprivileged user. Each run must end with status 0 and
# print what the program really found. Usage: faults.sh SCENARIO_RUNNER TESTS_FOLDER DATA_FOLDER
set -uo pipefail
runner=$1 tests=$2 shipped=$3
unset QT_QPA_PLATFORM

work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A program folder with the pictures and, when given, an aerodrome file from tests/data/.
folder() {
    local name=$1 aerodromes=${2:-}
    mkdir -p "$work/$name"
    cp "$shipped"/e6b1.jpg "$shipped"/e6b2.jpg "$shipped"/e6e.jpg "$work/$name/"
    [ -n "$aerodromes" ] && cp "$tests/data/$aerodromes" "$work/$name/vdats.tst"
    echo "$work/$name"
}

# run_missing NAME FOLDER [PREFIX...]: the scenario of a missing aerodrome file over FOLDER, with
# a time limit (a pipe must not block the program); status 0 and the scenario's output expected.
run_missing() {
    local name=$1 data=$2 out status
    shift 2
    out=$(timeout 60 "$@" "$runner" --data "$data" "$tests/scenarios/aerodrome_file_missing.scenario" 2>/dev/null)
    status=$?
    if [ $status -ne 0 ] || [ "$out" != "$(cat "$tests/scenarios/aerodrome_file_missing.expected")" ]; then
        fail "$name: status $status, output:"
        echo "$out"
    else
        echo "ok: $name"
    fi
}

data=$(folder directory) && mkdir "$data/vdats.tst"
run_missing "a directory in place of the aerodrome file" "$data"
data=$(folder pipe) && mkfifo "$data/vdats.tst"
run_missing "a pipe in place of the aerodrome file" "$data"
data=$(folder dangling) && ln -s "$work/nowhere/vdats.tst" "$data/vdats.tst"
run_missing "a link to nowhere in place of the aerodrome file" "$data"

# An unprivileged user, where the machine allows one, for the permission cases.
as_nobody=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
    as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    chown nobody "$work/runtime"
    if ! "${as_nobody[@]}" test -x "$runner"; then
        echo "note: nobody cannot run $runner; permission cases run as $(id -un)"
        as_nobody=()
    fi
fi
data=$(folder locked valid.tst) && chmod 000 "$data/vdats.tst"
if [ "$(id -u)" -ne 0 ] || [ ${#as_nobody[@]} -gt 0 ]; then
    run_missing "an aerodrome file without read permission" "$data" "${as_nobody[@]}"
else
    echo "note: no unprivileged user: the no-permission case is left out"
fi

# A file that vanishes between two searches, and comes back: every '=' reads the file afresh.
data=$(folder vanishing valid.tst)
coproc RUNNER { "$runner" --data "$data" 2>/dev/null; }
ask() {
    printf '%s\n' "$@" >&"${RUNNER[1]}"
    local line
    IFS= read -r -t 30 line <&"${RUNNER[0]}" || line="(no answer)"
    echo "$line"
}
before=$failures
first=$(ask "press func 3" "type box 0 CYOW{Enter}CYUL=" "show entry")
rm "$data/vdats.tst"
gone=$(ask "press key =" "show entry")
cp "$tests/data/valid.tst" "$data/vdats.tst"
back=$(ask "press key =" "show entry")
exec {RUNNER[1]}>&-
wait "$RUNNER_PID"
status=$?
case "$first" in "entry: ["*"Dist = "*) ;; *) fail "vanishing file: first search gave $first" ;; esac
[ "$gone" = "entry: [Sorry, the aerodrome database vdats.tst could not be read.]" ] ||
    fail "vanishing file: search after deletion gave $gone"
[ "$back" = "$first" ] && [ $status -eq 0 ] || fail "vanishing file: then $back, status $status"
[ $failures -eq $before ] && echo "ok: a file that vanishes between two searches"

# No pictures at all: the pictures stay empty, the thank-you window still opens and the
# program ends normally.
mkdir "$work/bare" && cp "$tests/data/valid.tst" "$work/bare/vdats.tst"
out=$(printf '%s\n' tick "show picture" tick "show picture" "press key 7" "press key =" \
    "show entry" close | timeout 60 "$runner" --data "$work/bare" 2>/dev/null)
status=$?
expected=$'picture: [e6b1.jpg] visible=1\npicture: [e6b2.jpg] visible=1\nentry: [7]\n'$(cat "$tests/scenarios/closing_close_box.expected")
if [ $status -ne 0 ] || [ "$out" != "$expected" ]; then
    fail "no pictures: status $status, output:"
    echo "$out"
else
    echo "ok: no pictures"
fi

# A data folder nobody may write to, run as an unprivileged user with no home: the same answers
# as anywhere else.
data=$(folder readonly valid.tst)
tour=$'press func 4\nanswer ok\ntype box 0 ottawa=\nshow entry\npress key C\npress func 3\ntype box 0 CYOW{Enter}CYUL=\nshow entry\ntick\nshow picture'
reference=$(printf '%s\n' "$tour" | timeout 60 "$runner" --data "$data" 2>/dev/null)
chmod -R a-w "$data"
out=$(printf '%s\n' "$tour" | HOME=/nonexistent timeout 60 "${as_nobody[@]}" "$runner" --data "$data" 2>/dev/null)
status=$?
if [ $status -ne 0 ] || [ "$out" != "$reference" ] || [ -z "$reference" ]; then
    fail "read-only data folder: status $status, output:"
    echo "$out"
else
    echo "ok: read-only data folder${as_nobody:+ as nobody}"
fi

[ $failures -eq 0 ] && echo "all fault cases passed"
exit $((failures > 0))
