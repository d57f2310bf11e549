#!/bin/sh
# Turns every SVG of a folder into a 24-bit BMP (no alpha channel, no colour
# space header: the plain bitmap that LoadImage and LoadBitmap read from a
# resource). A picture named sample_* becomes an 8-bit BMP with a colour
# table of the 256 greys instead (index = grey level, so pure black stays
# black): the pages repaint such a picture through its table.
# Usage: make_bitmaps.sh SVG_DIR BMP_DIR
set -eu
src=$1
out=$2
mkdir -p "$out"
for svg in "$src"/*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert --format png --output "$out/$name.png" "$svg"
    case $name in
    sample_*)
        size=$(identify -format '%w %h' "$out/$name.png")
        convert "$out/$name.png" -background white -alpha remove -alpha off -colorspace Gray -depth 8 \
            "gray:$out/$name.gray"
        # shellcheck disable=SC2086
        python3 - "$out/$name.gray" "$out/$name.bmp" $size <<'PY'
import struct
import sys

grey, bmp, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
pixels = open(grey, "rb").read()
stride = (width + 3) // 4 * 4
rows = b"".join(pixels[y * width:(y + 1) * width].ljust(stride, b"\0") for y in reversed(range(height)))
table = b"".join(bytes((level, level, level, 0)) for level in range(256))
info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 3780, 3780, 256, 256)
offset = 14 + len(info) + len(table)
with open(bmp, "wb") as f:
    f.write(b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + info + table + rows)
PY
        rm -f "$out/$name.gray"
        ;;
    *)
        convert "$out/$name.png" -background white -alpha remove -alpha off -type TrueColor "BMP3:$out/$name.bmp"
        ;;
    esac
    rm -f "$out/$name.png"
done
