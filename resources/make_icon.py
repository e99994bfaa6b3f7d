#!/usr/bin/env python3
"""Draws the application icon (32 x 32 PNG): a directional lobe over two axes.

Run once from this folder; the PNG is committed and embedded by the build.
"""
import math
import struct
import zlib

SIZE = 32
BACKGROUND = (255, 255, 200, 255)
AXIS = (64, 64, 64, 255)
OUTLINE = (200, 0, 0, 255)


def lobe_radius(angle):
    # A cardioid-like main lobe pointing right, as a pattern diagram looks.
    return 13.0 * (0.5 + 0.5 * math.cos(angle)) ** 1.5


def fill_colour(share):
    # Blue at the origin through green and yellow to red at the rim.
    stops = [(0, 0, 255), (0, 200, 0), (255, 230, 0), (230, 0, 0)]
    x = min(max(share, 0.0), 1.0) * (len(stops) - 1)
    i = min(int(x), len(stops) - 2)
    t = x - i
    a, b = stops[i], stops[i + 1]
    return tuple(round(a[k] + (b[k] - a[k]) * t) for k in range(3)) + (255,)


def pixel(x, y):
    cx, cy = 7.5, 15.5
    dx, dy = x - cx, cy - y
    r = math.hypot(dx, dy)
    rim = lobe_radius(math.atan2(dy, dx))
    if r <= rim - 0.8:
        return fill_colour(r / 13.0)
    if r <= rim + 0.4:
        return OUTLINE
    if y == 15 or x == 7:
        return AXIS
    return BACKGROUND


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def main():
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(SIZE)) for y in range(SIZE))
    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
    with open("icon.png", "wb") as out:
        out.write(png)


if __name__ == "__main__":
    main()
