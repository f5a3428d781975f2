#!/usr/bin/env python3
"""Writes the menu tests' toolbar bitmaps beside itself: each image a plain square of one colour
inside a two-pixel border of the light grey toolbar face (the transparent colour).

    coolmenu_test_a.bmp  16 x 15, three images: red, green, blue
    coolmenu_test_b.bmp  16 x 15, two images: yellow, cyan
    coolmenu_test_c.bmp  24 x 22, one image: magenta-free purple

Run it from anywhere:  python3 tests/toolbars/coolmenu_test.py
"""
import os
import struct

GREY = (192, 192, 192)
SETS = {
    "coolmenu_test_a.bmp": (16, 15, [(200, 0, 0), (0, 150, 0), (0, 0, 200)]),
    "coolmenu_test_b.bmp": (16, 15, [(200, 200, 0), (0, 200, 200)]),
    "coolmenu_test_c.bmp": (24, 22, [(120, 40, 160)]),
}


def write(name, w, h, colours):
    width = w * len(colours)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(h)):
        row = bytearray()
        for x in range(width):
            ix = x % w
            inside = 2 <= ix < w - 2 and 2 <= y < h - 2
            c = colours[x // w] if inside else GREY
            row += bytes((c[2], c[1], c[0]))
        rows.append(bytes(row) + b"\0" * (stride - width * 3))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, h, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(bits), 0, 0, 54)
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name), "wb") as f:
        f.write(header + info + bits)


for name, (w, h, colours) in SETS.items():
    write(name, w, h, colours)
