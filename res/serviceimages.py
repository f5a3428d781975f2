#!/usr/bin/env python3
"""Writes serviceimages.bmp, the items' service images (bitmap 26030): sixteen 11 x 11 glyphs
side by side, black on light grey.

  0 up arrow   1 down arrow   2 check mark   3 right arrow   4 corner triangle
  5-9   the same five shapes one pixel heavier
  10-14 the same five shapes larger
  15    empty

The light grey RGB(192,192,192) is the palette entry Windows maps to the running system's
button-face colour when the bitmap is loaded with LR_LOADMAP3DCOLORS, and the button-face colour
is the image list's mask, so the background is transparent whatever the system's colours are.
The glyphs are drawn as masks: the library stamps them in the colour it needs (menu text,
highlighted text, embossed when disabled).

Run it from anywhere; it writes the bitmap beside itself:  python3 res/serviceimages.py
"""
import os
import struct

CELL = 11
COUNT = 16


def triangle_up(base, top, bottom):
    """Rows top..bottom of an up-pointing triangle centred on column 5, one pixel wider on each
    side per row; base is the half-width of its last row."""
    rows = bottom - top
    return {(x, y) for y in range(top, bottom + 1)
            for x in range(5 - (base - (rows - (y - top))), 5 + (base - (rows - (y - top))) + 1)}


def flip_vertical(pixels):
    return {(x, CELL - 1 - y) for x, y in pixels}


def turn_right(pixels):
    """The up-pointing shape turned to point right (rows become columns)."""
    return {(CELL - 1 - y, x) for x, y in pixels}


def check(columns, x0, y0):
    """A check mark from a list of (first row, last row) per column, placed at (x0, y0)."""
    return {(x0 + i, y0 + y) for i, (a, b) in enumerate(columns) for y in range(a, b + 1)}


def corner(legs, inset):
    """A right-angled triangle in the bottom-right corner, its legs `legs` pixels long and
    `inset` pixels away from the cell's edges."""
    edge = CELL - 1 - inset
    return {(x, y) for y in range(edge - legs + 1, edge + 1)
            for x in range(edge - (y - (edge - legs + 1)), edge + 1)}


# up arrows: 7 x 4, 9 x 5, 11 x 6 (apex row, base row)
up = triangle_up(3, 3, 6)
up_heavy = triangle_up(4, 2, 6)
up_large = triangle_up(5, 2, 7)

# check marks: 7 x 7 with a stroke three pixels high, the same a pixel thicker, and 10 x 9
check_columns = [(2, 4), (3, 5), (4, 6), (3, 5), (2, 4), (1, 3), (0, 2)]
check_heavy_columns = [(a, b + 1) for a, b in check_columns]
check_large_columns = [(3, 5), (4, 6), (5, 7), (6, 8), (5, 7), (4, 6), (3, 5), (2, 4), (1, 3), (0, 2)]

glyphs = [
    up,
    flip_vertical(up),
    check(check_columns, 2, 2),
    turn_right(up),
    corner(4, 2),
    up_heavy,
    flip_vertical(up_heavy),
    check(check_heavy_columns, 2, 1),
    turn_right(up_heavy),
    corner(5, 2),
    up_large,
    flip_vertical(up_large),
    check(check_large_columns, 1, 1),
    turn_right(up_large),
    corner(7, 1),
    set(),
]
assert len(glyphs) == COUNT
for glyph in glyphs:
    assert all(0 <= x < CELL and 0 <= y < CELL for x, y in glyph), glyph

# 4 bits per pixel: palette entry 0 black (glyph), 1 light grey (background)
BLACK, GREY = 0, 1
width, height = CELL * COUNT, CELL
pixels = [[GREY] * width for _ in range(height)]
for i, glyph in enumerate(glyphs):
    for x, y in glyph:
        pixels[y][i * CELL + x] = BLACK

row_bytes = (width * 4 + 31) // 32 * 4
rows = []
for y in reversed(range(height)):          # bottom-up
    row = bytearray(row_bytes)
    for x in range(width):
        row[x // 2] |= pixels[y][x] << (0 if x % 2 else 4)
    rows.append(bytes(row))
bits = b"".join(rows)

palette = [(0, 0, 0), (192, 192, 192)] + [(0, 0, 0)] * 14
palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits), 2835, 2835, 16, 2)
offset = 14 + len(info) + len(palette_bytes)
header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)

path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "serviceimages.bmp")
with open(path, "wb") as f:
    f.write(header + info + palette_bytes + bits)

if __name__ == "__main__":
    for y in range(height):
        print("".join("#" if pixels[y][x] == BLACK else ("|" if x % CELL == 0 else ".")
                      for x in range(width)))
