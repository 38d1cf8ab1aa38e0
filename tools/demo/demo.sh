#!/usr/bin/env bash
# The demo, run inside a private X display (xvfb-run): Zeto under Wine with
# the shipped dictionary, Wine Notepad with a short English text, "Automatic
# Attach" switched on, a real double click on a word, and a screenshot of the
# translation tooltip beside it.
# usage: demo.sh <windows build dir> <work dir> <picture.png>
set -euo pipefail
build=$1 work=$2 picture=$3
word=house
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
winerun=$(cd "$(dirname "$0")/../.." && pwd)/cmake/wine-run
export WORDLUMO_BUILD_DIR=$build
pids=()
# Ends Zeto and Notepad (the wine processes under our wine-run shells); the
# whole Wine session only when it is the demo's own (WORDLUMO_DEMO_OWN_WINE=1).
cleanup() {
    for p in "${pids[@]}"; do pkill -P "$p" 2>/dev/null || true; kill "$p" 2>/dev/null || true; done
    if [ "${WORDLUMO_DEMO_OWN_WINE:-0}" = 1 ]; then wineserver -k >/dev/null 2>&1 || true; fi
}
trap cleanup EXIT

cd "$work"
printf 'The %s by the water was quickly built.\r\n' "$word" >demo.txt
"$winerun" "$build/ui/Zeto.exe" >zeto.log 2>&1 &
pids+=($!)
WINE_LC_ALL=C "$winerun" notepad demo.txt >notepad.log 2>&1 &
pids+=($!)

zetodemo() { "$winerun" "$build/tools/demo/zetodemo.exe" "$@"; }
zetodemo attach
read -r x y < <(zetodemo word "$word")
# Automatic Attach takes effect once Zeto has handled the command; the
# translation is waited for below, so a too-early click is simply repeated.
for attempt in 1 2 3; do
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
    if translation=$(zetodemo translation 2>"$work/tip.log"); then
        break
    fi
done
[ -n "${translation:-}" ] || { echo "no translation appeared" >&2; exit 1; }
import -window root "$picture"
echo "$translation"
