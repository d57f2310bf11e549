#!/usr/bin/env python3
"""Draws the pictograms of the pages and dialogs as SVG files.

Every picture is drawn on a pixel grid the size of the bitmap it becomes
(sized to fit its static control at 96 DPI), with crisp 1-pixel outlines and
one small palette, so that the whole family reads as one set. Digits and
letters come from a tiny built-in pixel font, which keeps the output the same
whatever fonts the build machine has.

Usage: make_svgs.py OUTPUT_DIR   (writes <name>.svg for every picture)
"""
import os
import sys

BACKGROUND = "#ffffff"
OUTLINE = "#3c3c3c"
PAPER = "#ffffff"
CONTENT = "#d4e2f4"   # printed area of a page
TEXT_LINE = "#a9c1e0"  # lines of text on a page
INK = "#1f4e8c"       # page numbers and letters
ACCENT = "#2f7ad1"    # binding edges, staples, arrows, margins
COVER = "#f0b040"     # coloured cover and separator sheets

GLYPHS = {
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "##.", "..#", "##."],
    "6": [".##", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "##."],
    "A": ["..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"],
}


class Picture:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.items = []

    def rect(self, x, y, w, h, fill):
        if w > 0 and h > 0:
            self.items.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}"/>')

    def frame(self, x, y, w, h, fill=None, stroke=OUTLINE):
        """A box whose 1-pixel outline covers pixels x..x+w-1 and y..y+h-1."""
        if fill:
            self.rect(x, y, w, h, fill)
        self.items.append(f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" '
                          f'fill="none" stroke="{stroke}" stroke-width="1"/>')

    def polygon(self, points, fill, smooth=False):
        pts = " ".join(f"{px},{py}" for px, py in points)
        rendering = ' shape-rendering="geometricPrecision"' if smooth else ""
        self.items.append(f'<polygon points="{pts}" fill="{fill}"{rendering}/>')

    def glyph(self, char, x, y, scale=1, color=INK, rotate180=False):
        rows = GLYPHS[char]
        if rotate180:
            rows = [row[::-1] for row in reversed(rows)]
        for r, row in enumerate(rows):
            for c, bit in enumerate(row):
                if bit == "#":
                    self.rect(x + c * scale, y + r * scale, scale, scale, color)

    def glyph_centred(self, char, x, y, w, h, scale=1, color=INK, rotate180=False):
        gw, gh = len(GLYPHS[char][0]) * scale, len(GLYPHS[char]) * scale
        self.glyph(char, x + (w - gw) // 2, y + (h - gh) // 2, scale, color, rotate180)

    def arrow(self, x0, x1, y, color=ACCENT):
        """A horizontal arrow from x0 to x1 (head at x1), 1 pixel thick."""
        left, right = min(x0, x1), max(x0, x1)
        self.rect(left, y, right - left + 1, 1, color)
        step = 1 if x1 > x0 else -1
        for i in range(1, 4):
            self.rect(x1 - step * i, y - i, 1, 2 * i + 1, color)

    def svg(self):
        body = "\n  ".join(self.items)
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" height="{self.height}" '
                f'viewBox="0 0 {self.width} {self.height}" shape-rendering="crispEdges">\n'
                f'  <rect width="{self.width}" height="{self.height}" fill="{BACKGROUND}"/>\n'
                f'  {body}\n</svg>\n')


def page(p, x, y, w, h, fold=True, rotate180=False, lines=True, fill=PAPER):
    """A sheet with a folded corner (top right, or bottom left when turned)
    and lines of text inside a 3-pixel margin."""
    p.frame(x, y, w, h, fill)
    if lines:
        for ly in range(y + 3, y + h - 3, 2):
            p.rect(x + 3, ly, w - 6, 1, TEXT_LINE)
    if fold:
        f = 4
        if rotate180:
            cx, cy = x, y + h - f
            p.rect(cx, cy, f, f, BACKGROUND)
            p.polygon([(cx, cy), (cx + f, cy + f), (cx + f, cy)], PAPER)
            p.items.append(f'<polyline points="{cx},{cy + 0.5} {cx + f - 0.5},{cy + 0.5} {cx + f - 0.5},{cy + f}" '
                           f'fill="none" stroke="{OUTLINE}"/>')
            p.items.append(f'<line x1="{cx}" y1="{cy}" x2="{cx + f}" y2="{cy + f}" stroke="{OUTLINE}"/>')
        else:
            cx, cy = x + w - f, y
            p.rect(cx, cy, f, f, BACKGROUND)
            p.polygon([(cx, cy), (cx + f, cy + f), (cx, cy + f)], PAPER)
            p.items.append(f'<polyline points="{cx + 0.5},{cy} {cx + 0.5},{cy + f - 0.5} {cx + f},{cy + f - 0.5}" '
                           f'fill="none" stroke="{OUTLINE}"/>')
            p.items.append(f'<line x1="{cx}" y1="{cy}" x2="{cx + f}" y2="{cy + f}" stroke="{OUTLINE}"/>')


# --- Orientation (34 x 26) ---------------------------------------------------
def orientation(landscape, rotate180):
    p = Picture(34, 26)
    if landscape:
        x, y, w, h = 2, 2, 30, 22
    else:
        x, y, w, h = 7, 1, 19, 24
    page(p, x, y, w, h, fold=True, rotate180=rotate180, lines=False)
    p.glyph_centred("A", x, y, w, h, scale=2, rotate180=rotate180)
    return p


# --- Collation (32 x 42) -----------------------------------------------------
SHEET_W, SHEET_H, FAN_X, FAN_Y = 12, 11, 6, 1


def stack(p, x, y, numbers):
    """A fanned stack: numbers[0] is the front sheet, later ones lie behind,
    each showing its number in the strip that stays visible."""
    n = len(numbers)
    for i in reversed(range(n)):
        sx, sy = x + i * FAN_X, y + (n - 1 - i) * FAN_Y
        p.frame(sx, sy, SHEET_W, SHEET_H, PAPER)
        if i == 0:
            p.glyph_centred(numbers[i], sx, sy, SHEET_W, SHEET_H)
        else:
            p.glyph(numbers[i], sx + SHEET_W - 5, sy + (SHEET_H - 5) // 2)


def collation(stacks):
    p = Picture(32, 42)
    heights = [SHEET_H + (len(s) - 1) * FAN_Y for s in stacks]
    gap = 2 if len(stacks) > 2 else 4
    total = sum(heights) + gap * (len(stacks) - 1)
    y = (p.height - total) // 2
    for s, h in zip(stacks, heights):
        width = SHEET_W + (len(s) - 1) * FAN_X
        stack(p, (32 - width) // 2, y, s)
        y += h + gap
    return p


# --- Two-sided printing (24 x 26) --------------------------------------------
def duplex(landscape, edge):
    """edge: None (one-sided), "long" or "short": the edge the sheet turns on,
    drawn as a bound edge with rings, with the back side behind."""
    p = Picture(24, 26)
    if landscape:
        w, h = 20, 15
    else:
        w, h = 15, 21
    x, y = (24 - w - 2) // 2, (p.height - h + 2) // 2
    if edge:
        page(p, x + 2, y - 2, w, h, fold=False, lines=False)
    else:
        x, y = (24 - w) // 2, (p.height - h) // 2
    page(p, x, y, w, h, fold=False)
    if not edge:
        return p
    bind_left = (edge == "long") != landscape
    if bind_left:
        p.rect(x, y, 2, h, ACCENT)
        for ry in range(y + 2, y + h - 1, 3):
            p.rect(x - 1, ry, 4, 1, ACCENT)
    else:
        p.rect(x, y, w, 2, ACCENT)
        for rx in range(x + 2, x + w - 1, 3):
            p.rect(rx, y - 1, 1, 4, ACCENT)
    return p


# --- Pages per sheet (44 x 32) -----------------------------------------------
NUP_GRID = {  # pages per sheet -> (columns, rows) on a portrait sheet
    1: (1, 1), 2: (1, 2), 4: (2, 2), 6: (2, 3), 8: (2, 4), 9: (3, 3), 16: (4, 4)}


def split(start, length, count, gap):
    edges = [start + round(i * (length + gap) / count) for i in range(count + 1)]
    return [(edges[i], edges[i + 1] - edges[i] - gap) for i in range(count)]


def nup(landscape, count, borders):
    p = Picture(44, 32)
    if landscape:
        x, y, w, h = 1, 2, 42, 28
    else:
        x, y, w, h = 11, 1, 22, 30
    p.frame(x, y, w, h, PAPER)
    cols, rows = NUP_GRID[count]
    if landscape:
        cols, rows = rows, cols
    gap = 1 if count > 4 else 2
    number = 1
    for cy, ch in split(y + 2, h - 4, rows, gap):
        for cx, cw in split(x + 2, w - 4, cols, gap):
            if borders:
                p.frame(cx, cy, cw, ch, CONTENT)
            else:
                p.rect(cx, cy, cw, ch, CONTENT)
            digit = str(number)
            if count < 10:
                for scale in (2, 1):
                    if cw >= 3 * scale + 4 and ch >= 5 * scale + 3:
                        p.glyph_centred(digit, cx, cy, cw, ch, scale)
                        break
            number += 1
    return p


def booklet(landscape, reverse):
    """An open booklet: two pages on either side of the fold, numbered in
    reading order, with the direction in which the pages turn."""
    p = Picture(44, 32)
    if landscape:
        pw, ph, y = 20, 15, 5
    else:
        pw, ph, y = 16, 23, 1
    x = (44 - 2 * pw) // 2
    first, second = ("2", "1") if reverse else ("1", "2")
    p.frame(x, y, pw, ph, PAPER)
    p.frame(x + pw, y, pw, ph, PAPER)
    p.rect(x + pw - 1, y, 2, ph, OUTLINE)
    p.glyph_centred(first, x, y, pw, ph, 2)
    p.glyph_centred(second, x + pw, y, pw, ph, 2)
    ay = y + ph + 4
    if reverse:
        p.arrow(x + 2 * pw - 6, x + 5, ay)
    else:
        p.arrow(x + 5, x + 2 * pw - 6, ay)
    return p


# --- Paper page ----------------------------------------------------------------
def paper_tray():
    """A tray (58 x 26) holding a stack of sheets, the top one feeding out."""
    p = Picture(58, 26)
    p.frame(8, 10, 36, 12, PAPER)
    for ly in range(12, 21, 2):
        p.rect(9, ly, 34, 1, TEXT_LINE)
    p.frame(16, 7, 34, 4, PAPER)
    p.frame(4, 21, 44, 4, CONTENT)
    p.rect(4, 10, 1, 12, OUTLINE)
    p.rect(47, 10, 1, 12, OUTLINE)
    p.arrow(51, 57, 8)
    return p


def staple(landscape, stapled):
    """Two sheets (50 x 18), stapled at the top left corner when set."""
    p = Picture(50, 18)
    w, h = (19, 14) if landscape else (12, 15)
    x, y = (50 - w - 2) // 2, 3
    page(p, x + 2, y - 2, w, h, fold=False, lines=False)
    page(p, x, y, w, h, fold=False)
    if stapled:
        p.polygon([(x - 2, y + 5), (x + 5, y - 2), (x + 7, y), (x, y + 7)], ACCENT, smooth=True)
    return p


def sheets(colours):
    """A fanned set of sheets (32 x 32), front sheet first."""
    p = Picture(32, 32)
    n = len(colours)
    w, h, step = 18, 22, 3
    x0 = (32 - w - step * (n - 1)) // 2
    y0 = (32 - h + step * (n - 1)) // 2
    for i in reversed(range(n)):
        page(p, x0 + i * step, y0 - i * step, w, h, fold=False, lines=(i == 0), fill=colours[i])
    return p


def margins():
    p = Picture(32, 32)
    x, y, w, h = 6, 2, 21, 28
    p.frame(x, y, w, h, PAPER)
    for ly in range(y + 6, y + h - 6, 2):
        p.rect(x + 6, ly, w - 12, 1, TEXT_LINE)
    # Dashed margin lines, 4 pixels in from every edge.
    for dx in range(x + 2, x + w - 2, 3):
        p.rect(dx, y + 4, 2, 1, ACCENT)
        p.rect(dx, y + h - 5, 2, 1, ACCENT)
    for dy in range(y + 2, y + h - 2, 3):
        p.rect(x + 4, dy, 1, 2, ACCENT)
        p.rect(x + w - 5, dy, 1, 2, ACCENT)
    return p


# --- Watermark previews ----------------------------------------------------------
def page_photograph():
    """A small landscape photograph (64 x 64): sky, sun, two hills, a frame."""
    p = Picture(64, 64)
    p.rect(0, 0, 64, 40, "#cfe3f6")
    p.polygon([(0, 44), (20, 22), (38, 40), (64, 18), (64, 64), (0, 64)], "#8fbf7a", smooth=True)
    p.polygon([(0, 64), (0, 52), (26, 38), (52, 56), (64, 50), (64, 64)], "#5c9a55", smooth=True)
    p.items.append('<circle cx="47" cy="13" r="7" fill="#f0b040"/>')
    p.frame(0, 0, 64, 64)
    return p


def page_letterhead():
    """A letterhead (48 x 48): a mark and the sender's lines of text."""
    p = Picture(48, 48)
    p.rect(2, 2, 16, 16, ACCENT)
    p.polygon([(5, 15), (10, 5), (15, 15)], PAPER, smooth=True)
    for y, w in ((4, 26), (9, 20), (14, 24)):
        p.rect(21, y, w, 2, INK)
    for y in range(24, 46, 5):
        p.rect(2, y, 44 if y < 44 else 28, 1, TEXT_LINE)
    return p


# --- Quality page ---------------------------------------------------------------
def toner(dark):
    """A toner drop (16 x 16), pale for light printing, black for dark."""
    p = Picture(16, 16)
    fill = "#1e1e1e" if dark else "#d6d6d6"
    p.items.append(f'<path d="M8 1.5 C8 1.5 3 7.5 3 10.5 A5 5 0 0 0 13 10.5 C13 7.5 8 1.5 8 1.5 Z" '
                   f'fill="{fill}" stroke="{OUTLINE}" stroke-width="1" shape-rendering="geometricPrecision"/>')
    return p


def brightness(high):
    """A sun (16 x 16): a dim grey disc, or a bright one with rays."""
    p = Picture(16, 16)
    if high:
        for x, y, w, h in ((7, 0, 2, 3), (7, 13, 2, 3), (0, 7, 3, 2), (13, 7, 3, 2)):
            p.rect(x, y, w, h, COVER)
        for a, b in ((2, 2), (12, 2), (2, 12), (12, 12)):
            p.rect(a, b, 2, 2, COVER)
    r = 4.5 if high else 4
    fill = COVER if high else "#9a9a9a"
    p.items.append(f'<circle cx="8" cy="8" r="{r}" fill="{fill}" stroke="{OUTLINE}" '
                   f'shape-rendering="geometricPrecision"/>')
    return p


def contrast(high):
    """A disc in two halves (16 x 16): near greys, or black and white."""
    p = Picture(16, 16)
    left, right = ("#000000", "#ffffff") if high else ("#8c8c8c", "#bcbcbc")
    p.items.append(f'<path d="M8 2 A6 6 0 0 0 8 14 Z" fill="{left}" shape-rendering="geometricPrecision"/>')
    p.items.append(f'<path d="M8 2 A6 6 0 0 1 8 14 Z" fill="{right}" shape-rendering="geometricPrecision"/>')
    p.items.append(f'<circle cx="8" cy="8" r="6" fill="none" stroke="{OUTLINE}" '
                   f'shape-rendering="geometricPrecision"/>')
    return p


def quality_sample():
    """The brightness and contrast sample (191 x 62), a greyscale landscape
    photograph: a graded sky with a sun and a cloud, far and near hills, a
    lake with a reflection, and a black tree and fence in front, so that the
    darks, the middle greys and the lights each show what the values do.
    make_bitmaps.sh turns it into an 8-bit grey bitmap with a colour table."""
    w, h = 191, 62
    p = Picture(w, h)
    p.items.append('<defs>'
                   '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
                   '<stop offset="0" stop-color="#5a5a5a"/><stop offset="1" stop-color="#e8e8e8"/></linearGradient>'
                   '<radialGradient id="sun"><stop offset="0" stop-color="#ffffff"/>'
                   '<stop offset="0.6" stop-color="#f4f4f4"/><stop offset="1" stop-color="#d0d0d0" stop-opacity="0"/>'
                   '</radialGradient>'
                   '<linearGradient id="far" x1="0" y1="0" x2="0" y2="1">'
                   '<stop offset="0" stop-color="#6e6e6e"/><stop offset="1" stop-color="#909090"/></linearGradient>'
                   '<linearGradient id="near" x1="0" y1="0" x2="1" y2="1">'
                   '<stop offset="0" stop-color="#6a6a6a"/><stop offset="1" stop-color="#2a2a2a"/></linearGradient>'
                   '<linearGradient id="lake" x1="0" y1="0" x2="0" y2="1">'
                   '<stop offset="0" stop-color="#c8c8c8"/><stop offset="1" stop-color="#707070"/></linearGradient>'
                   '</defs>')
    smooth = ' shape-rendering="geometricPrecision"'
    p.items.append(f'<rect width="{w}" height="{h}" fill="url(#sky)"/>')
    p.items.append(f'<circle cx="146" cy="15" r="13" fill="url(#sun)"{smooth}/>')
    p.items.append(f'<ellipse cx="52" cy="12" rx="20" ry="5" fill="#f2f2f2"{smooth}/>')
    p.items.append(f'<ellipse cx="66" cy="9" rx="12" ry="5" fill="#fafafa"{smooth}/>')
    p.items.append(f'<path d="M0 34 L24 20 L46 30 L78 14 L112 31 L140 22 L191 34 L191 40 L0 40 Z" '
                   f'fill="url(#far)"{smooth}/>')
    p.items.append(f'<path d="M0 40 L191 40 L191 62 L0 62 Z" fill="url(#lake)"/>')
    p.items.append(f'<path d="M78 40 L112 46 L140 42 L150 44 L90 46 Z" fill="#b4b4b4"{smooth}/>')
    p.items.append(f'<path d="M0 38 C30 33 60 44 96 48 C120 51 150 46 191 50 L191 62 L0 62 Z" '
                   f'fill="url(#near)"{smooth}/>')
    # The tree and the fence: pure black, which no brightness lightens.
    p.items.append(f'<rect x="23" y="30" width="3" height="26" fill="#000000"/>')
    p.items.append(f'<ellipse cx="24.5" cy="27" rx="10" ry="12" fill="#000000"{smooth}/>')
    for x in range(150, 191, 8):
        p.rect(x, 47, 2, 12, "#000000")
    p.rect(148, 50, 43, 2, "#000000")
    return p


def pictures():
    yield "orient_portrait", orientation(False, False)
    yield "orient_landscape", orientation(True, False)
    yield "orient_portrait_rotated", orientation(False, True)
    yield "orient_landscape_rotated", orientation(True, True)
    yield "collate_one_copy", collation([["1", "2", "3"]])
    yield "collate_on", collation([["1", "2", "3"], ["1", "2", "3"]])
    yield "collate_off", collation([["1", "1"], ["2", "2"], ["3", "3"]])
    for orient, landscape in (("portrait", False), ("landscape", True)):
        yield f"duplex_off_{orient}", duplex(landscape, None)
        yield f"duplex_longedge_{orient}", duplex(landscape, "long")
        yield f"duplex_shortedge_{orient}", duplex(landscape, "short")
        yield f"layout_{orient}_1", nup(landscape, 1, False)
        yield f"layout_{orient}_booklet", booklet(landscape, False)
        yield f"layout_{orient}_booklet_reverse", booklet(landscape, True)
        for count in (2, 4, 6, 8, 9, 16):
            yield f"layout_{orient}_{count}", nup(landscape, count, False)
            yield f"layout_{orient}_{count}_borders", nup(landscape, count, True)
        yield f"staple_{orient}", staple(landscape, True)
        yield f"nostaple_{orient}", staple(landscape, False)
    yield "paper", paper_tray()
    yield "covers", sheets([COVER, PAPER, PAPER, COVER])
    yield "interleave", sheets([PAPER, COVER, PAPER, COVER, PAPER])
    yield "margins", margins()
    yield "watermark_page_picture", page_photograph()
    yield "watermark_page_heading", page_letterhead()
    yield "toner_light", toner(False)
    yield "toner_dark", toner(True)
    yield "brightness_low", brightness(False)
    yield "brightness_high", brightness(True)
    yield "contrast_low", contrast(False)
    yield "contrast_high", contrast(True)
    yield "sample_quality", quality_sample()


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_svgs.py OUTPUT_DIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, picture in pictures():
        with open(os.path.join(out, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(picture.svg())


if __name__ == "__main__":
    main()
