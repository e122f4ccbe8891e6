#!/bin/sh
# Draws the program icon (Olvane.ico: 16, 32 and 48 pixels) with ImageMagick:
# a blue disc with a white capillary coil and a yellow drop at the outlet.
# Each size is drawn at 8 times its size and scaled down, so it stays sharp.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48; do
    big=$((size * 8))
    s=$(awk "BEGIN { print $big / 384 }")
    convert -size ${big}x${big} xc:none \
        -fill "rgb(0,130,197)" -stroke "rgb(6,79,190)" -strokewidth "$(awk "BEGIN { print 10 * $s }")" \
        -draw "circle $(awk "BEGIN { print 192*$s, 192*$s, 192*$s, 12*$s }")" \
        -fill none -stroke white -strokewidth "$(awk "BEGIN { print 26 * $s }")" \
        -draw "ellipse $(awk "BEGIN { print 192*$s, 120*$s, 100*$s, 40*$s }") 180 360" \
        -draw "ellipse $(awk "BEGIN { print 192*$s, 180*$s, 100*$s, 40*$s }") 0 360" \
        -draw "ellipse $(awk "BEGIN { print 192*$s, 240*$s, 100*$s, 40*$s }") 0 180" \
        -draw "line $(awk "BEGIN { print 92*$s, 120*$s, 92*$s, 240*$s }")" \
        -draw "line $(awk "BEGIN { print 292*$s, 120*$s, 292*$s, 300*$s }")" \
        -stroke none -fill "rgb(252,217,0)" \
        -draw "circle $(awk "BEGIN { print 292*$s, 318*$s, 292*$s, 290*$s }")" \
        -resize ${size}x${size} "$tmp/icon-$size.png"
done
convert "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" Olvane.ico
echo "wrote $(pwd)/Olvane.ico"
