#!/usr/bin/env bash
# A user whose folders are named in Cyrillic, on a Windows whose code page
# for non-Unicode programs (1252) has no Cyrillic letters: setup.exe /S puts
# Zeto into such a folder; started there it comes up ready, adds a word,
# writes the Run value of "Start with Windows" as the real path, keeps its
# settings, and finds all of it again after a restart.
# (LC_ALL=en_US.UTF-8, which ./wordlumo test generates: code page 1252, and
# host file names in UTF-8, which Wine needs to open a Cyrillic folder.)
# usage: cyrillic_folder.sh <setup.exe> <zetoprobe.exe> <wine-run>
set -euo pipefail
setup=$1 probe=$2 winerun=$3
tmp=$(mktemp -d)
export WINEPREFIX_OVERRIDE=$tmp/prefix WINEPREFIX=$tmp/prefix WINE_LC_ALL=en_US.UTF-8
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

windir='C:\Програми\Речник'
"$winerun" "$setup" /S "/D=$windir" || fail "setup.exe /S ended with status $?"
dir=$WINEPREFIX/drive_c/Програми/Речник
[ -e "$dir/Zeto.exe" ] || fail "Zeto.exe is not in $dir"

# Started as the Start menu starts it: in its folder.
start_zeto() { (cd "$dir" && "$winerun" Zeto.exe >/dev/null 2>&1 &); }
start_zeto
"$winerun" "$probe" --use "$windir\\Zeto.exe" || fail "Zeto in $windir did not do what it was asked"
grep -q 'AutomaticAttach=1' "$dir/Zeto.ini" || fail "Zeto.ini in $dir does not hold the change"
[ -s "$dir/NewData.dat" ] || fail "the word added is not in $dir/NewData.dat"

start_zeto
"$winerun" "$probe" --added || fail "after a restart in $windir"
echo "installed into $windir under code page 1252: started, added a word, kept its settings, Run value as the real path"
