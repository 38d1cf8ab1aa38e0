# Sourced by the tests that run Zeto's code at several DPIs (dpi_test.sh,
# tip_onscreen_test.sh): Wine in a prefix of their own beside the build
# tree's, so changing its LogPixels leaves every other test alone.
#   . wine-dpi.sh BUILD_DIR    then    start_at_dpi LOCALE DPI
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX_OVERRIDE=$1/wineprefix-dpi WINEPREFIX=$1/wineprefix-dpi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -n "${DISPLAY:-}" ] || { echo "$(basename "$0"): no X display (run under xvfb-run)" >&2; exit 1; }

# The prefix's Wine restarted with LogPixels at DPI; cmake/wine-run then runs
# programs in it under LOCALE.
start_at_dpi() {
    # LogPixels is read when the prefix's wineserver starts.
    WINE_LC_ALL=$1 "$src/cmake/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
        /t REG_DWORD /d "$2" /f >/dev/null
    wineserver -k 2>/dev/null; wineserver -w
}
