#!/usr/bin/env python3
"""Writes scrollarrows.bmp, the arrows of the tab strip's scroll buttons (bitmap 26025): four
7 x 7 images side by side, black on light grey RGB(192,192,192), the mask colour.

  0 up (back, vertical strip)     1 down (forward, vertical strip)
  2 left (back, horizontal strip) 3 right (forward, horizontal strip)

Run it from anywhere; it writes the bitmap beside itself:  python3 res/scrollarrows.py
"""
import os
import struct

CELL = 7
COUNT = 4
GREY = (192, 192, 192)
BLACK = (0, 0, 0)

# an up-pointing triangle: its tip on row 1, four rows down to its seven-pixel base on row 4
UP = {(x, y) for y in range(1, 5) for x in range(3 - (y - 1), 3 + (y - 1) + 1)}
# shifted a row down, so that it sits in the middle of the cell
UP = {(x, y + 1) for (x, y) in UP}


def turned(shape, image):
    if image == 0:
        return shape
    if image == 1:
        return {(x, CELL - 1 - y) for (x, y) in shape}
    if image == 2:
        return {(y, x) for (x, y) in shape}
    return {(CELL - 1 - y, x) for (x, y) in shape}


def main():
    width, height = CELL * COUNT, CELL
    pixels = [[GREY] * width for _ in range(height)]
    for image in range(COUNT):
        for (x, y) in turned(UP, image):
            pixels[y][image * CELL + x] = BLACK
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in range(height - 1, -1, -1):     # bottom-up
        row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in pixels[y])
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    data = b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + header + rows
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "scrollarrows.bmp"), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
