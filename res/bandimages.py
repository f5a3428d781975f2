#!/usr/bin/env python3
"""Writes the title strips' bitmaps beside itself, and the two split cursors.

Title buttons: 12 x 12 images on light grey RGB(192,192,192), the mask colour; each glyph has
three images in a row: normal, hot, disabled.
  band_hide.bmp          (26019)  1 glyph: a cross
  band_rollup.bmp        (26021)  4 glyphs: arrow up, down, left, right
  band_redistribute.bmp  (26022)  2 glyphs: a double arrow across, a double arrow down
  band_dockable.bmp      (26042)  2 glyphs: a pin lying (floating), a pin standing (dockable)
  band_extra.bmp         (26032)  4 glyphs: small triangles down, left, right, up
Colour schemes (blue, silver, olive), 8 x 24, uniform along x so they can be laid along either
side: the strip (active, inactive) in three slices, hot and pushed button backgrounds, the
selected tab.
Cursors: split_tall.cur (30980, a splitter between a left and a right window: arrows left and
right), split_wide.cur (30981, arrows up and down), 32 x 32 monochrome.

Run it from anywhere:  python3 res/bandimages.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
GREY = (192, 192, 192)


def write_bmp24(name, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows.append(bytes(row))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(bits), 0, 0, 14 + 40)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + bits)


# --- glyph shapes on a 12 x 12 cell ------------------------------------------------------

def cross():
    return {(x, y) for x in range(3, 9) for y in (x, 11 - x)} | \
           {(x + 1, y) for x in range(3, 8) for y in (x, 10 - x)}


def arrow(direction):
    up = {(x, y) for y in range(3, 7) for x in range(6 - (y - 3), 6 + (y - 3))}
    up |= {(x, y) for y in range(7, 10) for x in (5, 6)}
    turn = {
        "up": lambda x, y: (x, y),
        "down": lambda x, y: (x, 11 - y),
        "left": lambda x, y: (y, x),
        "right": lambda x, y: (11 - y, x),
    }[direction]
    return {turn(x, y) for x, y in up}


def double_arrow(vertical):
    shape = {(x, 5) for x in range(2, 10)} | {(x, 6) for x in range(2, 10)}
    shape |= {(2 + d, 5 - d) for d in range(3)} | {(2 + d, 6 + d) for d in range(3)}
    shape |= {(9 - d, 5 - d) for d in range(3)} | {(9 - d, 6 + d) for d in range(3)}
    return {(y, x) for x, y in shape} if vertical else shape


def pin(standing):
    shape = {(x, y) for x in range(4, 8) for y in range(2, 7)} | {(x, 7) for x in range(2, 10)}
    shape |= {(5, y) for y in range(8, 11)} | {(6, y) for y in range(8, 11)}
    return shape if standing else {(11 - y, x) for x, y in shape}


def small_triangle(direction):
    down = {(x, y) for y in range(4, 8) for x in range(2 + (y - 4) + 1, 10 - (y - 4))}
    turn = {
        "down": lambda x, y: (x, y),
        "up": lambda x, y: (x, 11 - y),
        "left": lambda x, y: (11 - y, x),
        "right": lambda x, y: (y, x),
    }[direction]
    return {turn(x, y) for x, y in down}


def write_glyphs(name, glyphs):
    """Each glyph in black (normal), dark blue (hot) and embossed grey (disabled)."""
    looks = [((0, 0, 0), None), ((0, 0, 128), None), ((128, 128, 128), (255, 255, 255))]
    width = 12 * 3 * len(glyphs)

    def pixel(x, y):
        image, cx = divmod(x, 12)
        glyph, look = divmod(image, 3)
        colour, shadow = looks[look]
        shape = glyphs[glyph]
        if (cx, y) in shape:
            return colour
        if shadow and (cx - 1, y - 1) in shape:
            return shadow
        return GREY

    write_bmp24(name, width, 12, pixel)


write_glyphs("band_hide.bmp", [cross()])
write_glyphs("band_rollup.bmp", [arrow("up"), arrow("down"), arrow("left"), arrow("right")])
write_glyphs("band_redistribute.bmp", [double_arrow(False), double_arrow(True)])
write_glyphs("band_dockable.bmp", [pin(False), pin(True)])
write_glyphs("band_extra.bmp", [small_triangle(d) for d in ("down", "left", "right", "up")])

# --- colour schemes --------------------------------------------------------------------

SCHEMES = {
    # light edge, mid, dark edge of the active strip; the inactive one is paler
    "blue": ((214, 228, 255), (172, 191, 255), (122, 156, 194)),
    "silver": ((240, 240, 240), (204, 204, 210), (150, 150, 158)),
    "olive": ((244, 246, 203), (212, 216, 170), (170, 178, 130)),
}


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def gradient(top, middle, bottom):
    """24 rows: the top slice fades top->middle, the middle slice is flat, the bottom fades out."""
    def pixel(_x, y):
        if y < 8:
            return mix(top, middle, y / 7.0)
        if y < 16:
            return middle
        return mix(middle, bottom, (y - 16) / 7.0)
    return pixel


for scheme, (light, mid, dark) in SCHEMES.items():
    pale = mix(mid, (255, 255, 255), 0.55)
    write_bmp24("band_%s_active.bmp" % scheme, 8, 24, gradient(light, mid, dark))
    write_bmp24("band_%s_inactive.bmp" % scheme, 8, 24, gradient((255, 255, 255), pale, mix(dark, (255, 255, 255), 0.4)))
    write_bmp24("band_%s_hot.bmp" % scheme, 8, 24, gradient((255, 244, 204), (255, 214, 154), (255, 190, 110)))
    write_bmp24("band_%s_pushed.bmp" % scheme, 8, 24, gradient((254, 145, 78), (255, 180, 110), (255, 214, 154)))
    write_bmp24("band_%s_tab.bmp" % scheme, 8, 24, gradient((255, 255, 255), mix(light, (255, 255, 255), 0.5), light))

# --- split cursors ---------------------------------------------------------------------


def write_cursor(name, shape, hotspot):
    """A 32 x 32 monochrome cursor: black shape with a white outline, transparent elsewhere."""
    outline = {(x + dx, y + dy) for x, y in shape for dx in (-1, 0, 1) for dy in (-1, 0, 1)}

    def rows(test):
        data = b""
        for y in reversed(range(32)):
            word = 0
            for x in range(32):
                if test(x, y):
                    word |= 1 << (31 - x)
            data += struct.pack(">I", word)
        return data

    # XOR bits: 1 = white where the AND mask is 0; AND mask: 0 = opaque
    xor = rows(lambda x, y: (x, y) in outline and (x, y) not in shape)
    and_ = rows(lambda x, y: (x, y) not in outline)
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info + palette + xor + and_
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + entry + image)


def split_arrows(vertical):
    bar = {(x, y) for x in (15, 16) for y in range(8, 24)}
    shaft = {(x, y) for x in range(6, 26) for y in (15, 16)}
    heads = set()
    for d in range(5):
        for y in range(15 - (4 - d), 17 + (4 - d)):
            heads.add((6 + d, y))
            heads.add((25 - d, y))
    shape = bar | shaft | heads
    return {(y, x) for x, y in shape} if vertical else shape


write_cursor("split_tall.cur", split_arrows(False), (16, 16))
write_cursor("split_wide.cur", split_arrows(True), (16, 16))
