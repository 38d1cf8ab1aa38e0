#!/usr/bin/env bash
# Takes the README's screenshots of the main dialog and its translation
# tooltip, of the History window and of Options, under Xvfb:
# docs/main-dialog.png, docs/tooltip.png (twice the size),
# docs/history-window.png and docs/options-dialog.png at 96 DPI;
# at another DPI docs/main-dialog-<DPI>.png, docs/tooltip-<DPI>.png and
# docs/history-window-<DPI>.png, as drawn, in a Wine prefix of that LogPixels.
#   tools/screenshots/make-screenshots.sh [BUILD_DIR [DPI]]   (default build/windows, 96; built first)
# The shipped dictionary is used, in a temporary working directory.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build/windows}" && pwd)
cmake --build "$BUILD" --target showcase data_dat >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$BUILD/data/data.dat" "$BUILD/data/forms.dat" "$BUILD/data/pron.dat" "$work/"
: >"$work/NewData.dat"

DPI=${2:-96}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$DPI" = 96 ]; then
    export WINEPREFIX=$BUILD/wineprefix
    suffix="" tipscale=200%
else
    export WINEPREFIX=$BUILD/wineprefix-dpi WINEPREFIX_OVERRIDE=$BUILD/wineprefix-dpi
    suffix=-$DPI tipscale=100%
    "$ROOT/cmake/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null
    wineserver -k 2>/dev/null || true
    wineserver -w
fi
xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$BUILD" "$work" "$ROOT/docs" "$suffix" "$tipscale" <<'INNER'
set -euo pipefail
build=$1 work=$2 docs=$3 suffix=$4 tipscale=$5
cd "$work"
# showcase ARG: showcase.exe started with ARG, and what it shows ready to photograph.
showcase() {
    rm -f showcase-ready.txt showcase-done.txt
    env LC_ALL=bg_BG.CP1251 wine "$build/tools/screenshots/showcase.exe" "$1" >showcase.log 2>&1 &
    pid=$!
    for _ in $(seq 1 600); do
        [ -s showcase-ready.txt ] && break
        kill -0 $pid 2>/dev/null || { cat showcase.log; exit 1; }
        sleep 0.1
    done
    read -r x y w h tx ty tw th < <(tr -d '\r' <showcase-ready.txt)
    import -window root shot.png
}
done_with_showcase() {
    touch showcase-done.txt
    wait $pid
}
showcase house
m=12
/usr/bin/convert shot.png -crop $((w + 2 * m))x$((h + 2 * m))+$((x - m))+$((y - m)) +repage \
    -bordercolor '#808080' -border 1 "$docs/main-dialog$suffix.png.new"
mv "$docs/main-dialog$suffix.png.new" "$docs/main-dialog$suffix.png"
m=6
/usr/bin/convert shot.png -crop $((tw + 2 * m))x$((th + 2 * m))+$((tx - m))+$((ty - m)) +repage \
    -scale "$tipscale" "$docs/tooltip$suffix.png"
done_with_showcase
showcase --history
m=12
/usr/bin/convert shot.png -crop $((w + 2 * m))x$((h + 2 * m))+$((x - m))+$((y - m)) +repage \
    -bordercolor '#808080' -border 1 "$docs/history-window$suffix.png"
done_with_showcase
# The Options dialog at 96 DPI only, as it opens.
if [ -z "$suffix" ]; then
    showcase --options
    /usr/bin/convert shot.png -crop ${w}x${h}+${x}+${y} +repage "$docs/options-dialog.png"
    done_with_showcase
fi
wineserver -k 2>/dev/null || true
INNER
suffix=$([ "$DPI" = 96 ] || echo "-$DPI")
[ -s "$ROOT/docs/main-dialog$suffix.png" ] || exit 1
echo "wrote $ROOT/docs/main-dialog$suffix.png, $ROOT/docs/tooltip$suffix.png and $ROOT/docs/history-window$suffix.png"
