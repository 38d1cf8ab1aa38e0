#!/usr/bin/env bash
# Zeto's private memory after start-up beside Wine Notepad's, both under one
# wineserver: Zeto with the shipped data.dat, forms.dat and pron.dat loaded, Notepad
# with an empty document. Private memory is the private dirty pages: what
# the process alone holds and the system cannot drop (pages of libraries and
# of images mapped from their files are counted in neither).
#   bench/memory.sh BUILD_DIR   (run under xvfb-run; fails above the limit)
set -euo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
# Zeto may cost this much more than Notepad.
LIMIT_KB=4096
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINE_LC_ALL=C "$src/cmake/wine-run" cmd /c exit >/dev/null 2>&1

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/ui/Zeto.exe" "$build/hooklib/Tapwire.dll" "$build/data/data.dat" "$build/data/forms.dat" "$build/data/pron.dat" "$work/"
: >"$work/NewData.dat"
# Pages of a file just written count as dirty until written back, in every
# process that maps them: Zeto.exe would look like private memory.
sync
(cd "$work" && LC_ALL=bg_BG.CP1251 exec wine Zeto.exe) >/dev/null 2>&1 </dev/null &
(cd "$work" && LC_ALL=C exec wine notepad) >/dev/null 2>&1 </dev/null &

wait_for() {   # wait_for WINDOW-NAME-REGEX: the window is shown (Zeto shows it once its files are loaded)
    for _ in $(seq 600); do
        xdotool search --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "memory: no window named $1" >&2
    exit 1
}
wait_for '^Wordlumo$'
wait_for 'Notepad$'

private_kb() {   # the process started here whose command line names $1
    local pid
    for pid in $(pgrep -f "$1"); do
        [ "$(readlink "/proc/$pid/cwd")" = "$work" ] && break
    done
    awk '/^Private_Dirty:/ { print $2 }' "/proc/$pid/smaps_rollup"
}
# Start-up is over when three readings in a row, 200 ms apart, agree.
steady_kb() {
    local last=-1 same=0 kb
    for _ in $(seq 300); do
        kb=$(private_kb "$1")
        if [ "$kb" = "$last" ]; then
            same=$((same + 1))
            [ $same -ge 2 ] && { echo "$kb"; return; }
        else
            same=0
        fi
        last=$kb
        sleep 0.2
    done
    echo "memory: $1 never settled" >&2
    exit 1
}
zeto=$(steady_kb 'Zeto\.exe')
notepad=$(steady_kb 'notepad\.exe')
extra=$((zeto - notepad))
awk -v z="$zeto" -v n="$notepad" -v e="$extra" -v l="$LIMIT_KB" 'BEGIN {
    printf "Private memory after start-up: Zeto %.1f MB, Wine Notepad %.1f MB: Zeto %+.1f MB (limit +%.1f MB)\n",
        z / 1024, n / 1024, e / 1024, l / 1024 }'
[ "$extra" -le "$LIMIT_KB" ]
