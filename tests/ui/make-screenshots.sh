#!/usr/bin/env bash
# Takes the README's screenshots of the main dialog and its translation
# tooltip under Xvfb: docs/main-dialog.png and docs/tooltip.png (twice the size).
#   tests/ui/make-screenshots.sh [BUILD_DIR]   (default build/windows; built first)
# The shipped dictionary is used, in a temporary working directory.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build/windows}" && pwd)
cmake --build "$BUILD" --target ui_showcase data_dat >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$BUILD/data/data.dat" "$work/data.dat"
: >"$work/NewData.dat"

export WINEPREFIX=$BUILD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$BUILD" "$work" "$ROOT/docs" <<'INNER'
set -euo pipefail
build=$1 work=$2 docs=$3
cd "$work"
env LC_ALL=bg_BG.CP1251 wine "$build/tests/ui/ui_showcase.exe" house >showcase.log 2>&1 &
pid=$!
for _ in $(seq 1 600); do
    [ -s showcase-ready.txt ] && break
    kill -0 $pid 2>/dev/null || { cat showcase.log; exit 1; }
    sleep 0.1
done
read -r x y w h tx ty tw th < <(tr -d '\r' <showcase-ready.txt)
m=12
import -window root shot.png
/usr/bin/convert shot.png -crop $((w + 2 * m))x$((h + 2 * m))+$((x - m))+$((y - m)) +repage \
    -bordercolor '#808080' -border 1 "$docs/main-dialog.png.new"
mv "$docs/main-dialog.png.new" "$docs/main-dialog.png"
m=6
/usr/bin/convert shot.png -crop $((tw + 2 * m))x$((th + 2 * m))+$((tx - m))+$((ty - m)) +repage \
    -scale 200% "$docs/tooltip.png"
touch showcase-done.txt
wait $pid
wineserver -k 2>/dev/null || true
INNER
[ -s "$ROOT/docs/main-dialog.png" ] || exit 1
echo "wrote $ROOT/docs/main-dialog.png and $ROOT/docs/tooltip.png"
