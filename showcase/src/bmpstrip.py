"""Shared by the showcase's image scripts: writes a strip of equal images as a 24-bit BMP."""
import struct


def write_strip(path, images, width, height, background):
    """images: functions (x, y) -> (r, g, b) or None for the background, one per image, left to right."""
    total = width * len(images)
    stride = (total * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(total):
            colour = images[x // width](x % width, y) or background
            row += bytes((colour[2], colour[1], colour[0]))
        rows.append(bytes(row) + b"\0" * (stride - total * 3))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, total, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(bits), 0, 0, 54)
    with open(path, "wb") as f:
        f.write(header + info + bits)
