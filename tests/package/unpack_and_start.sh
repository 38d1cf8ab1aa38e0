#!/usr/bin/env bash
# Unpacks the Windows package into an empty folder and starts Zeto.exe from
# there under Wine: it must come up ready with no file from outside the zip.
# usage: unpack_and_start.sh <zip> <zetoprobe.exe> <wine-run>
set -euo pipefail
zip=$1 probe=$2 winerun=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
cmake -E tar xf "$zip"
pkg=$(echo Wordlumo-*-win64)
files=(Zeto.exe Tapwire.dll data.dat forms.dat pron.dat NewData.dat zetodict.exe README.txt CREDITS.txt)
for f in "${files[@]}"; do
    [ -e "$pkg/$f" ] || { echo "FAIL: $f missing from the package"; exit 1; }
done
[ ! -s "$pkg/NewData.dat" ] || { echo "FAIL: NewData.dat is not empty"; exit 1; }
[ "$(ls "$pkg" | wc -l)" -eq "${#files[@]}" ] || { echo "FAIL: unexpected files: $(ls "$pkg")"; exit 1; }

cd "$pkg"
"$winerun" Zeto.exe >"$dir/zeto.log" 2>&1 &
zeto=$!
"$winerun" "$probe"
wait $zeto
