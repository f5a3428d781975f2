#!/usr/bin/env python3
# indicatorclips.py - draws the host's clips for the animated indicator: an uncompressed 8-bit
# AVI of a dot circling a ring, in a small (24 px) and a large (48 px) size.  Run in this folder;
# the showcase and the indicator tests (tests/controls) use the clips it writes here.
import math
import struct
import sys

FRAMES = 8


def chunk(fourcc, data):
    pad = b'\0' if len(data) % 2 else b''
    return fourcc + struct.pack('<I', len(data)) + data + pad


def riff_list(kind, fourcc, payload):
    return kind + struct.pack('<I', len(payload) + 4) + fourcc + payload


def frame_pixels(size, n):
    # palette index 0 background, 1 ring, 2 dot; rows bottom-up, each padded to 4 bytes
    stride = (size + 3) & ~3
    rows = []
    centre = (size - 1) / 2.0
    radius = size * 0.35
    angle = 2 * math.pi * n / FRAMES
    dot = (centre + radius * math.cos(angle), centre + radius * math.sin(angle))
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            d = math.hypot(x - centre, y - centre)
            if math.hypot(x - dot[0], y - dot[1]) <= size * 0.12:
                row[x] = 2
            elif abs(d - radius) <= 0.8:
                row[x] = 1
        rows.append(bytes(row))
    return b''.join(rows)


def avi(size):
    frames = [frame_pixels(size, n) for n in range(FRAMES)]
    frame_bytes = len(frames[0])
    avih = struct.pack('<14I', 125000, frame_bytes * 8, 0, 0x10, FRAMES, 0, 1, frame_bytes, size, size, 0, 0, 0, 0)
    strh = b'vids' + b'DIB ' + struct.pack('<IHHIIIIIIII4h', 0, 0, 0, 0, 1, 8, 0, FRAMES, frame_bytes,
                                           0xFFFFFFFF, 0, 0, 0, size, size)
    palette = bytearray(256 * 4)
    palette[0:12] = bytes([192, 192, 192, 0, 128, 128, 128, 0, 0, 0, 200, 0])   # grey, dark grey, red (BGR0)
    bih = struct.pack('<IiiHHIIiiII', 40, size, size, 1, 8, 0, frame_bytes, 0, 0, 256, 0)
    strl = riff_list(b'LIST', b'strl', chunk(b'strh', strh) + chunk(b'strf', bih + bytes(palette)))
    hdrl = riff_list(b'LIST', b'hdrl', chunk(b'avih', avih) + strl)
    movi_payload = b''
    index = b''
    offset = 4
    for data in frames:
        c = chunk(b'00db', data)
        index += b'00db' + struct.pack('<III', 0x10, offset, len(data))
        movi_payload += c
        offset += len(c)
    movi = riff_list(b'LIST', b'movi', movi_payload)
    return riff_list(b'RIFF', b'AVI ', hdrl + movi + chunk(b'idx1', index))


if __name__ == '__main__':
    out = sys.argv[1] if len(sys.argv) > 1 else '.'  # noqa: the folder to write into
    for name, size in (('indicator_small.avi', 24), ('indicator_large.avi', 48)):
        with open(f'{out}/{name}', 'wb') as f:
            f.write(avi(size))
