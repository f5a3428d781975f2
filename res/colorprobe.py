#!/usr/bin/env python3
"""Writes the eyedropper's art:

  colorprobe.bmp      bitmap 26027, the probe button's images: 14 x 14 each, side by side, on light
                      grey RGB(192,192,192), the mask colour.  0 the eyedropper, 1 the eyedropper
                      with a drop at its tip.
  colorctrlprobe.bmp  bitmap 26069, the colour field's probe-button images (image = button type),
                      the same two and 2, a drop alone.
  colorprobe.cur      cursor 26028, a 32 x 32 black-and-white eyedropper whose hot spot is its tip.

Run it from anywhere; it writes the files beside itself:  python3 res/colorprobe.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
GREY = (192, 192, 192)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
BLUE = (0, 0, 192)


def dropper(size):
    """The outline and the inside of an eyedropper lying from the bottom left (its tip) to the
    top right (its bulb) in a size x size cell."""
    outline, inside = set(), set()
    # the tube: a diagonal band three pixels wide
    for i in range(1, size - size // 3):
        x, y = i, size - 1 - i
        inside.add((x, y))
        for (dx, dy) in ((1, 0), (0, -1), (-1, 0), (0, 1)):
            outline.add((x + dx, y + dy))
    # the bulb: a filled square at the top right
    b = max(3, size // 4)
    for x in range(size - b - 1, size):
        for y in range(0, b + 1):
            outline.add((x, y))
    outline -= inside
    outline = {(x, y) for (x, y) in outline if 0 <= x < size and 0 <= y < size}
    return outline, inside


def drop(size):
    """A drop at the bottom left of the cell."""
    return {(x, y) for x in range(0, 4) for y in range(size - 4, size) if (x - 1.5) ** 2 + (y - size + 2.5) ** 2 <= 3}


def image(kind, size=14):
    pixels = {}
    if kind in (0, 1):
        outline, inside = dropper(size)
        for p in inside:
            pixels[p] = WHITE
        for p in outline:
            pixels[p] = BLACK
    if kind in (1, 2):
        for p in drop(size):
            pixels[p] = BLUE
    return pixels


def write_bmp(name, images, size=14):
    width, height = size * len(images), size
    rows = [[GREY] * width for _ in range(height)]
    for n, pixels in enumerate(images):
        for (x, y), c in pixels.items():
            rows[y][n * size + x] = c
    stride = (width * 3 + 3) & ~3
    data = b""
    for y in range(height - 1, -1, -1):     # bottom-up
        row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in rows[y])
        data += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 14 + len(header)))
        f.write(header + data)


def write_cursor(name):
    size = 32
    outline, inside = dropper(24)
    # the 24-pixel dropper in the top left of the cursor; the tip is its bottom-left pixel
    black = {(x, y + 8) for (x, y) in outline}
    white = {(x, y + 8) for (x, y) in inside}
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):       # bottom-up
        xor_bits, and_bits = 0, 0
        for x in range(size):
            bit = 1 << (31 - x)
            if (x, y) in white:
                xor_bits |= bit
            elif (x, y) not in black:
                and_bits |= bit             # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(bits), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + bits
    hot_x, hot_y = 0, 8 + 23
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, hot_x, hot_y,
                                                           len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(directory + image)


def main():
    write_bmp("colorprobe.bmp", [image(0), image(1)])
    write_bmp("colorctrlprobe.bmp", [image(0), image(1), image(2)])
    write_cursor("colorprobe.cur")


if __name__ == "__main__":
    main()
