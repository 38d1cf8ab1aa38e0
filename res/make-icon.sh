#!/usr/bin/env bash
# Draws icon 131 (wordlumo.ico) with ImageMagick at the sizes Windows asks
# for at 100% to 200% scaling (small icons 16-32, large ones 32-64):
# the main dialog's blue with a white "A" (English) and the pale-yellow
# tooltip box with a blue "Б" (Bulgarian), the program's own colours.
# Run from anywhere: ./res/make-icon.sh  (needs imagemagick, fonts-dejavu-core)
set -euo pipefail
cd "$(dirname "$0")"
CONVERT=/usr/bin/convert
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Drawn once at 192 px and scaled down, so every size has the same picture.
$CONVERT -size 192x192 xc:none \
    -fill 'rgb(0,0,250)' -stroke 'rgb(0,0,150)' -strokewidth 8 -draw 'roundrectangle 6,6 186,186 30,30' \
    -stroke none -fill white -font "$FONT" -pointsize 104 -gravity northwest -annotate +20+4 'A' \
    -fill 'rgb(255,255,200)' -stroke black -strokewidth 7 -draw 'roundrectangle 84,88 180,176 14,14' \
    -stroke none -fill 'rgb(0,0,150)' -pointsize 84 -gravity northwest -annotate +103+82 'Б' \
    "$tmp/big.png"

images=()
for size in 16 20 24 32 40 48 64; do
    $CONVERT "$tmp/big.png" -filter Lanczos -resize ${size}x${size} -strip "PNG32:$tmp/icon-$size.png"
    images+=("$tmp/icon-$size.png")
done
# An .ico of BMP-encoded images: every version of Windows and Wine reads it.
$CONVERT "${images[@]}" -compress None wordlumo.ico
echo "wrote $(pwd)/wordlumo.ico"
