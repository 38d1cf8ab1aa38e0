#!/usr/bin/env bash
# Draws the wand of the Set Window Title dialog with ImageMagick: icon 140
# (wand.ico) and cursor 147 (wand.cur, hot spot at the star on the wand's
# tip, where the window under it is picked), each at 32, 48 and 64 px: the
# sizes Windows asks for at 100%, 150% and 200% scaling. A dark stick with a
# white band, the tooltip's pale yellow star at its top-left end.
# Run from anywhere: ./res/make-wand.sh  (needs imagemagick, python3)
set -euo pipefail
cd "$(dirname "$0")"
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=convert
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Drawn at 128 px and scaled down. The star's centre is at (16, 16) of 128,
# so an eighth of the size in: (4, 4) at 32 px, the cursor's hot spot.
$CONVERT -size 128x128 xc:none \
    -stroke 'rgb(0,0,150)' -strokewidth 14 -draw 'line 30,30 118,118' \
    -stroke white -strokewidth 14 -draw 'line 44,44 56,56' \
    -stroke 'rgb(0,0,150)' -strokewidth 4 -fill 'rgb(255,255,200)' \
    -draw 'polygon 16,0 21,11 32,16 21,21 16,32 11,21 0,16 11,11' \
    "$tmp/big.png"
images=()
for size in 32 48 64; do
    $CONVERT "$tmp/big.png" -filter Lanczos -resize ${size}x${size} -strip "PNG32:$tmp/wand-$size.png"
    images+=("$tmp/wand-$size.png")
done
# BMP-encoded images: every version of Windows and Wine reads them.
$CONVERT "${images[@]}" -compress None wand.ico
# A cursor file is an icon file with type 2 and the hot spot where an icon
# keeps its planes and bit count.
python3 - wand.ico wand.cur <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], 'rb').read())
reserved, kind, count = struct.unpack_from('<HHH', data, 0)
assert kind == 1, 'an icon file expected'
struct.pack_into('<H', data, 2, 2)
for i in range(count):
    entry = 6 + 16 * i
    size = data[entry] or 256
    struct.pack_into('<HH', data, entry + 4, size // 8, size // 8)
open(sys.argv[2], 'wb').write(data)
PY
echo "wrote $(pwd)/wand.ico and $(pwd)/wand.cur"
