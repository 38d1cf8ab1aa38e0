#!/usr/bin/env bash
# Runs the examples of the README's zetodict section and compares what they
# print with what the README says they print.
#   readme_test.sh ZETODICT README.md
set -u
Z=$1
README=$2
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
mkdir "$T/bin" "$T/work"
ln -s "$Z" "$T/bin/zetodict"
export PATH="$T/bin:$PATH"

# The indented lines of the section: "$ command" or the output before the next.
awk '/^## zetodict/ { on = 1; next } /^## / { on = 0 } on && /^    / { print substr($0, 5) }' "$README" >"$T/example"
[ -s "$T/example" ] || { echo "FAIL: no zetodict examples in $README" >&2; exit 1; }

failures=0
commands=0
run_pending() {
    [ -n "$command" ] || return 0
    commands=$((commands + 1))
    (cd "$T/work" && bash -c "$command") >"$T/got" 2>"$T/err"
    local status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAIL: '$command' exited with $status: $(cat "$T/err")" >&2
        failures=$((failures + 1))
    elif ! printf '%s' "$expected" | diff - "$T/got" >"$T/diff"; then
        echo "FAIL: '$command' printed something else:" >&2
        cat "$T/diff" >&2
        failures=$((failures + 1))
    fi
}
command=""
expected=""
while IFS= read -r line; do
    if [ "${line#\$ }" != "$line" ]; then
        run_pending
        command=${line#\$ }
        expected=""
    else
        expected+="$line"$'\n'
    fi
done <"$T/example"
run_pending

[ "$commands" -ge 5 ] || { echo "FAIL: only $commands example commands found" >&2; exit 1; }
[ "$failures" -eq 0 ] || exit 1
echo "all $commands README examples behave as shown"
