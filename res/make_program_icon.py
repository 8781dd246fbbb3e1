#!/usr/bin/env python3
"""Draws the settings program's icon (a gear on a blue tile) as one .ico file.

The picture is defined on a 16 x 16 design grid and rasterised at each size
with 4 x 4 samples per pixel, so edges are smooth and the output is the same
on every run. Each image is a 32-bit bitmap with alpha and its 1-bit mask.
Output: programs/ostrelcfg/ostrelcfg.ico, or the path given.
"""
import math
import os
import struct
import sys

SIZES = (16, 24, 32, 48, 64, 96)
SAMPLES = 4
TILE = (38, 104, 190)
TILE_EDGE = (22, 66, 130)
GEAR = (245, 245, 245)
HUB = (255, 190, 60)


def rounded_square(u, v, x0, y0, x1, y1, r):
    cx = min(max(u, x0 + r), x1 - r)
    cy = min(max(v, y0 + r), y1 - r)
    return x0 <= u <= x1 and y0 <= v <= y1 and (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def gear(u, v):
    d = math.hypot(u - 8, v - 8)
    a = math.atan2(v - 8, u - 8)
    teeth = 8
    # a tooth wherever the angle lies in the outer half of its period
    phase = (a * teeth / (2 * math.pi)) % 1.0
    outer = 5.6 if 0.25 <= phase < 0.75 else 4.4
    return 2.2 <= d <= outer


def colour_at(u, v):
    """The colour (r, g, b, a) of the design point u, v."""
    if math.hypot(u - 8, v - 8) <= 1.6:
        return HUB + (255,)
    if gear(u, v):
        return GEAR + (255,)
    if rounded_square(u, v, 1.2, 1.2, 14.8, 14.8, 3.0):
        return TILE + (255,)
    if rounded_square(u, v, 0.5, 0.5, 15.5, 15.5, 3.5):
        return TILE_EDGE + (255,)
    return (0, 0, 0, 0)


def render(size):
    """Rows of (r, g, b, a), top row first, alpha-weighted average of the samples."""
    rows = []
    scale = size / 16.0
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / scale
                    v = (y + (sy + 0.5) / SAMPLES) / scale
                    r, g, b, a = colour_at(u, v)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] // n
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], alpha))
        rows.append(row)
    return rows


def icon_image(size):
    """BITMAPINFOHEADER, the 32-bit colour rows and the mask rows, bottom-up."""
    rows = render(size)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + bytes(mask)


def icon_file(sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main(path):
    with open(path, "wb") as f:
        f.write(icon_file(SIZES))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else
         os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "programs", "ostrelcfg",
                      "ostrelcfg.ico"))
