#!/usr/bin/env bash
# End to end: real Wine Notepad and Zeto.exe under the X display of the test
# run, driven by xdotool from e2e_driver.exe, or with --bench from the
# capture benchmark (bench/CaptureBench.cpp).
#   notepad_e2e.sh BUILD_DIR [--bench | gtest options]
# Zeto and the driver run under WORDLUMO_E2E_LOCALE (default bg_BG.CP1251),
# whose ANSI code page the driver checks: WORDLUMO_EXPECT_ACP (default 1251).
set -u
build=$1
shift
driver=$build/tests/e2e/e2e_driver.exe
if [ "${1:-}" = --bench ]; then
    driver=$build/bench/capture_bench.exe
    shift
fi
src=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
    echo "notepad_e2e: no X display (run under xvfb-run)" >&2
    exit 1
fi
# The first Wine program of the tree makes its prefix.
WINE_LC_ALL=C "$src/cmake/wine-run" cmd /c exit >/dev/null 2>&1

work=$(mktemp -d)
log=$work/notepad.log
npid=""
cleanup() {
    [ -n "$npid" ] && kill "$npid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

printf 'apple\r\nhouse\r\n          \r\nhouses children\r\n' >"$work/words.txt"
# English titles: "words.txt - Notepad".
(cd "$work" && LC_ALL=C exec wine notepad words.txt) >"$log" 2>&1 </dev/null &
npid=$!

zeto=$(winepath -w "$build/ui/Zeto.exe" 2>/dev/null)
out=$work/driver.log
export WORDLUMO_EXPECT_ACP=${WORDLUMO_EXPECT_ACP:-1251}
LC_ALL=${WORDLUMO_E2E_LOCALE:-bg_BG.CP1251} wine "$driver" "$zeto" "words.txt - Notepad" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
# Notepad was asked to close; give it a moment before the trap ends it.
for _ in $(seq 50); do kill -0 "$npid" 2>/dev/null || break; sleep 0.1; done
exit $rc
