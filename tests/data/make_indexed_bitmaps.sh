#!/bin/sh
# Regenerates the 8-bit bitmaps written by a real image tool (Debian's
# ImageMagick 6). The pictures are defined here and again in
# tests/convert/indexed_image_test.cpp; keep the two in step.
#   gradient 7x5: red 32x+8, green 48y+16, blue 64((x+y) mod 3)+24 (y = 0 on top)
#   bands    9x6: row 4 red 24x+8, green 96, blue 40; pixel (3,2) 200,8,8;
#                 every other pixel red 8y+16, green 64, blue 128
set -e
cd "$(dirname "$0")"
IM=convert-im6.q16
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

{
    echo "P3 7 5 255"
    for y in 0 1 2 3 4; do
        for x in 0 1 2 3 4 5 6; do
            echo "$((32 * x + 8)) $((48 * y + 16)) $((64 * ((x + y) % 3) + 24))"
        done
    done
} >"$tmp/gradient.ppm"

{
    echo "P3 9 6 255"
    for y in 0 1 2 3 4 5; do
        for x in 0 1 2 3 4 5 6 7 8; do
            if [ $y -eq 4 ]; then echo "$((24 * x + 8)) 96 40"
            elif [ $y -eq 2 ] && [ $x -eq 3 ]; then echo "200 8 8"
            else echo "$((8 * y + 16)) 64 128"
            fi
        done
    done
} >"$tmp/bands.ppm"

$IM "$tmp/gradient.ppm" -type palette -compress None BMP3:indexed_gradient_info40.bmp
$IM "$tmp/gradient.ppm" -type palette -compress None BMP:indexed_gradient_info124.bmp
$IM "$tmp/gradient.ppm" -type palette BMP2:indexed_gradient_core12.bmp
$IM "$tmp/bands.ppm" -type palette -compress RLE BMP3:indexed_bands_rle8.bmp
