#!/bin/sh
# Turns every SVG of a folder into a 24-bit BMP (no alpha channel, no colour
# space header: the plain bitmap that LoadImage and LoadBitmap read from a
# resource). Usage: make_bitmaps.sh SVG_DIR BMP_DIR
set -eu
src=$1
out=$2
mkdir -p "$out"
for svg in "$src"/*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert --format png --output "$out/$name.png" "$svg"
    convert "$out/$name.png" -background white -alpha remove -alpha off -type TrueColor "BMP3:$out/$name.bmp"
    rm -f "$out/$name.png"
done
