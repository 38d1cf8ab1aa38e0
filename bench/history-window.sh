#!/usr/bin/env bash
# The History window's speed at ten thousand rows: its opening and each
# keystroke of its search, under Wine (HistoryWindowBench.cpp). Prints the
# figures; a slow machine makes them larger, never a failure.
#   bench/history-window.sh BUILD_DIR   (run under xvfb-run)
set -euo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
export WORDLUMO_BUILD_DIR=$build WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT
WINE_LC_ALL=bg_BG.CP1251 "$src/cmake/wine-run" "$build/bench/history_window_bench.exe" | tr -d '\r'
