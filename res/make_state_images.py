#!/usr/bin/env python3
"""Draws the item's state images for dark backgrounds at 96, 128 and 192 dpi.

Each picture is drawn on a 16 x 16 design grid and rasterised at
13 * dpi / 96 pixels (the height of a text line in the item's default font).
The top-left pixel holds the key colour that the item copies transparently,
so every picture leaves that corner empty. Output: <base><dpi>.png.
"""
import math
import os
import struct
import sys
import zlib

KEY = (255, 0, 255)
DENSITIES = (96, 128, 192)
WHITE = (235, 235, 235)
GREY = (150, 150, 150)
GREEN = (90, 220, 90)
BLUE = (80, 160, 255)
AMBER = (255, 190, 60)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.scale = size / 16.0
        self.px = [[KEY] * size for _ in range(size)]

    def _each(self, inside, colour):
        for y in range(self.size):
            for x in range(self.size):
                # the pixel's centre in design units
                u, v = (x + 0.5) / self.scale, (y + 0.5) / self.scale
                if inside(u, v):
                    self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self._each(lambda u, v: x0 <= u < x1 and y0 <= v < y1, colour)

    def frame(self, x0, y0, x1, y1, w, colour):
        self._each(lambda u, v: x0 <= u < x1 and y0 <= v < y1 and
                   not (x0 + w <= u < x1 - w and y0 + w <= v < y1 - w), colour)

    def disc(self, cx, cy, r, colour):
        self._each(lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r, colour)

    def ring(self, cx, cy, r, w, colour, a0=0, a1=360):
        def inside(u, v):
            d = math.hypot(u - cx, v - cy)
            a = math.degrees(math.atan2(cy - v, u - cx)) % 360
            return r - w <= d <= r and (a0 <= a <= a1 if a0 <= a1 else a >= a0 or a <= a1)
        self._each(inside, colour)

    def line(self, x0, y0, x1, y1, w, colour):
        def inside(u, v):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy)))
            return math.hypot(u - (x0 + t * dx), v - (y0 + t * dy)) <= w / 2
        self._each(inside, colour)

    def png(self):
        raw = b"".join(b"\x00" + b"".join(bytes(c) for c in row) for row in self.px)
        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
        header = struct.pack(">IIBBBBB", self.size, self.size, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def battery(c):
    c.frame(1, 4, 14, 13, 1.2, WHITE)
    c.rect(14, 6.5, 15.5, 10.5, WHITE)
    c.rect(3, 6, 10, 11, GREEN)


def memory_chip(c, colour):
    c.rect(3.5, 3.5, 12.5, 12.5, colour)
    for i in range(4):
        p = 4.5 + i * 2.2
        c.rect(p, 1.5, p + 1, 3.5, WHITE)
        c.rect(p, 12.5, p + 1, 14.5, WHITE)
        c.rect(1.5, p, 3.5, p + 1, WHITE)
        c.rect(12.5, p, 14.5, p + 1, WHITE)


def memory_ram(c):
    memory_chip(c, BLUE)


def memory_phone(c):
    c.frame(4, 1, 12, 15, 1.2, WHITE)
    c.rect(5.5, 3, 10.5, 9, BLUE)
    c.rect(7, 11.5, 9, 13, WHITE)


def memory_card(c):
    c.rect(3, 2, 10, 14, AMBER)
    c.rect(10, 5, 13, 14, AMBER)
    for i in range(3):
        c.rect(4.5 + i * 2, 3, 5.5 + i * 2, 6, (60, 40, 0))


def alarm(c):
    c.ring(8, 9, 6, 1.4, WHITE)
    c.line(8, 9, 8, 5.5, 1.2, WHITE)
    c.line(8, 9, 10.5, 9, 1.2, WHITE)
    c.line(2.5, 3.5, 4.5, 1.8, 1.5, WHITE)
    c.line(13.5, 3.5, 11.5, 1.8, 1.5, WHITE)


def wifi(c):
    for r in (13, 9.5, 6):
        c.ring(8, 14, r, 1.6, WHITE, 45, 135)
    c.disc(8, 13, 1.4, WHITE)


def bt(c):
    c.line(7, 1.5, 7, 14.5, 1.4, BLUE)
    c.line(7, 1.5, 11, 5, 1.4, BLUE)
    c.line(11, 5, 4, 11, 1.4, BLUE)
    c.line(7, 14.5, 11, 11, 1.4, BLUE)
    c.line(11, 11, 4, 5, 1.4, BLUE)


PICTURES = {
    "battery": battery, "memory_ram": memory_ram, "memory_phone": memory_phone,
    "memory_card": memory_card, "alarm": alarm, "wifi": wifi, "bt": bt,
}


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, draw in PICTURES.items():
        for dpi in DENSITIES:
            canvas = Canvas(13 * dpi // 96)
            draw(canvas)
            canvas.px[0][0] = KEY
            with open(os.path.join(out_dir, f"{name}{dpi}.png"), "wb") as f:
                f.write(canvas.png())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "images"))
