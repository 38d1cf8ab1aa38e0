#!/usr/bin/env bash
# The tooltip kept on the screen at 100% and 150% scaling: ui_tip_onscreen.exe
# in the DPI prefix (wine-dpi.sh) started with LogPixels 96, then 144.
#   tip_onscreen_test.sh BUILD_DIR
set -u -o pipefail
build=$1
. "$(dirname "$0")/wine-dpi.sh" "$build"
trap 'wineserver -k 2>/dev/null' EXIT

failed=0
for dpi in 96 144; do
    start_at_dpi bg_BG.CP1251 $dpi
    echo "--- at $dpi DPI"
    WORDLUMO_EXPECT_DPI=$dpi "$src/cmake/wine-run" "$build/tests/ui/ui_tip_onscreen.exe" | tr -d '\r' || failed=1
done
exit $failed
