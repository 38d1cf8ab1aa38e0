#!/usr/bin/env bash
# Zeto at 100%, 150% and 200% scaling: ui_dpi_probe.exe measures the main
# dialog, the suggestion rows and their click bands, the tooltip's offset and
# every other dialog in a Wine prefix of its own whose LogPixels is 96, 144
# and 192 in turn, under the Bulgarian and an English ANSI code page; every
# figure at 144 and 192 DPI must be 1.5 and 2 times its 96-DPI figure, give
# or take 2 px. The probe fails by itself when a control stands outside its
# dialog or a refit to another DPI goes wrong.
#   dpi_test.sh BUILD_DIR
set -u
build=$1
. "$(dirname "$0")/wine-dpi.sh" "$build"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
probe=$build/tests/ui/ui_dpi_probe.exe

failed=0
for locale in bg_BG.CP1251 en_US.UTF-8; do
    for dpi in 96 144 192; do
        start_at_dpi $locale $dpi
        out=$work/$locale-$dpi.txt
        (cd "$work" && WINE_LC_ALL=$locale "$src/cmake/wine-run" "$probe") | tr -d '\r' >"$out"
        if [ "${PIPESTATUS[0]}" != 0 ] || ! grep -q "^dpi $dpi$" "$out"; then
            echo "FAIL $locale $dpi DPI: the probe saw another DPI or failed:"; cat "$out"; failed=1; continue
        fi
        [ $dpi = 96 ] && continue
        awk -v dpi=$dpi -v where="$locale $dpi DPI" '
            NR == FNR { base[$1] = $2; next }
            $1 != "dpi" {
                want = base[$1] * dpi / 96
                if ($2 < want - 2 || $2 > want + 2) { printf "FAIL %s: %s is %d, want %.1f\n", where, $1, $2, want; bad = 1 }
                else n++
            }
            END { if (!bad) printf "ok %s: %d figures scaled\n", where, n; exit bad }' \
            "$work/$locale-96.txt" "$out" || failed=1
    done
done
[ $failed = 0 ] || { echo "--- at 96 DPI:"; cat "$work/bg_BG.CP1251-96.txt"; }
exit $failed
