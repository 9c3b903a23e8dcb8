#!/usr/bin/env python3
"""Draws the program's pictures into a Resources folder: the tool-bar strip
(CorvantaTool.bmp), the play/pause/stop strip (AudioTool.png) and the theme
backgrounds (Themes/*.png). Pure Python, so the output is the same on every machine.

usage: make-resources.py OUTPUT_DIR
"""
import math
import os
import random
import struct
import sys
import zlib


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, x, y, w, h, color):
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.set(i, j, color)

    def frame(self, x, y, w, h, color):
        self.rect(x, y, w, 1, color)
        self.rect(x, y + h - 1, w, 1, color)
        self.rect(x, y, 1, h, color)
        self.rect(x + w - 1, y, 1, h, color)

    def polygon(self, points, color, ox=0, oy=0):
        """Fills the pixels whose centres lie inside the polygon."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        for j in range(int(min(ys)), int(math.ceil(max(ys))) + 1):
            for i in range(int(min(xs)), int(math.ceil(max(xs))) + 1):
                if inside(points, i + 0.5, j + 0.5):
                    self.set(ox + i, oy + j, color)

    def disc(self, cx, cy, r, color, ox=0, oy=0):
        for j in range(int(cy - r) - 1, int(cy + r) + 2):
            for i in range(int(cx - r) - 1, int(cx + r) + 2):
                if (i + 0.5 - cx) ** 2 + (j + 0.5 - cy) ** 2 <= r * r:
                    self.set(ox + i, oy + j, color)

    def ring(self, cx, cy, r, width, color, ox=0, oy=0):
        for j in range(int(cy - r) - 1, int(cy + r) + 2):
            for i in range(int(cx - r) - 1, int(cx + r) + 2):
                d = math.hypot(i + 0.5 - cx, j + 0.5 - cy)
                if r - width <= d <= r:
                    self.set(ox + i, oy + j, color)

    def line(self, x0, y0, x1, y1, color, ox=0, oy=0):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for s in range(steps + 1):
            self.set(ox + round(x0 + (x1 - x0) * s / steps), oy + round(y0 + (y1 - y0) * s / steps), color)


def inside(points, x, y):
    result = False
    n = len(points)
    for k in range(n):
        (x0, y0), (x1, y1) = points[k], points[(k + 1) % n]
        if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
            result = not result
    return result


def write_bmp(canvas, path):
    """24-bit bottom-up BMP."""
    row = canvas.width * 3
    pad = (4 - row % 4) % 4
    body = bytearray()
    for y in reversed(range(canvas.height)):
        for r, g, b in canvas.pixels[y]:
            body += bytes((b, g, r))
        body += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def write_png(canvas, path):
    """8-bit RGB PNG."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for r, g, b in canvas.pixels[y]:
            raw += bytes((r, g, b))
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


# The tool-bar strip: 16 x 16 images on the mask colour 0xE5E5E5, drawn light for the
# dark tool band. Index: 1 open, 2 save, 3 play sentence, 4 previous, 5 next, 6 set
# time, 7 apply translation, 11 explanation pane; the rest stay empty.
MASK = (0xE5, 0xE5, 0xE5)
LIGHT = (0xF0, 0xF0, 0xF0)
MID = (0xA8, 0xA8, 0xA8)


def tool_strip():
    c = Canvas(16 * 12, 16, MASK)

    def at(index):
        return index * 16

    # 1 open: a folder
    x = at(1)
    c.rect(x + 1, 3, 6, 2, (0xD9, 0xA4, 0x41))
    c.rect(x + 1, 5, 14, 9, (0xF2, 0xC2, 0x5C))
    c.polygon([(3, 8), (15, 8), (14, 14), (1, 14)], (0xFF, 0xD8, 0x7A), x, 0)
    c.frame(x + 1, 5, 14, 9, (0x9C, 0x70, 0x1E))
    # 2 save: a disk
    x = at(2)
    c.rect(x + 2, 2, 12, 12, (0x5A, 0x8F, 0xD8))
    c.rect(x + 4, 2, 7, 4, LIGHT)
    c.rect(x + 8, 3, 2, 2, (0x5A, 0x8F, 0xD8))
    c.rect(x + 4, 9, 8, 5, (0x2E, 0x4E, 0x80))
    c.frame(x + 2, 2, 12, 12, (0x2A, 0x4A, 0x7A))
    # 3 play the sentence: a line of text and a triangle
    x = at(3)
    for y in (3, 7, 11):
        c.rect(x + 1, y, 5, 2, MID)
    c.polygon([(7, 2), (15, 8), (7, 14)], (0x6B, 0xD1, 0x6B), x, 0)
    # 4 previous / 5 next: arrows
    # (outlined, so that they show on a light band as well as on the dark one)
    rim = [(8, 0.5), (15.5, 8.5), (11, 8.5), (11, 15), (5, 15), (5, 8.5), (0.5, 8.5)]
    up = [(8, 2), (14, 8), (10, 8), (10, 14), (6, 14), (6, 8), (2, 8)]
    for index, flip in ((4, False), (5, True)):
        for shape, color in ((rim, (0x60, 0x60, 0x60)), (up, LIGHT)):
            points = [(px, 16 - py) for px, py in shape] if flip else shape
            c.polygon(points, color, at(index), 0)
    # 6 select the next sentence and set its time: a clock
    x = at(6)
    c.disc(8, 8, 7, (0xF0, 0xA0, 0x50), x, 0)
    c.disc(8, 8, 5.5, LIGHT, x, 0)
    c.line(8, 8, 8, 4, (0x40, 0x40, 0x40), x, 0)
    c.line(8, 8, 11, 8, (0x40, 0x40, 0x40), x, 0)
    # 7 store translation and explanation: a pencil over a line
    x = at(7)
    c.polygon([(11, 1), (15, 5), (6, 14), (2, 14), (2, 10)], (0xF5, 0xD7, 0x6E), x, 0)
    c.polygon([(2, 10), (6, 14), (2, 14)], (0x60, 0x40, 0x30), x, 0)
    c.line(11, 1, 15, 5, (0xE0, 0x70, 0x70), x, 0)
    c.rect(x + 8, 14, 7, 1, MID)
    # 11 the explanation pane: a page split in two
    x = at(11)
    c.rect(x + 2, 1, 12, 14, LIGHT)
    c.frame(x + 2, 1, 12, 14, (0x70, 0x70, 0x70))
    c.rect(x + 2, 7, 12, 2, (0x5A, 0x8F, 0xD8))
    for y in (3, 5, 10, 12):
        c.rect(x + 4, y, 8, 1, MID)
    return c


# Play, pause and stop across, in 24 x 24 cells; the rows are the normal, hot and pressed
# looks. Black around the round buttons is the colour key that cuts their shape.
def audio_strip():
    c = Canvas(72, 72, (0, 0, 0))
    looks = [
        ((0x30, 0x30, 0x30), (0x80, 0x80, 0x80), (0xE0, 0xE0, 0xE0)),  # normal
        ((0x40, 0x40, 0x40), (0xC0, 0xC0, 0xC0), (0xFF, 0xFF, 0xFF)),  # hot
        ((0x70, 0x18, 0x18), (0xC8, 0x30, 0x30), (0xFF, 0xFF, 0xFF)),  # pressed
    ]
    for row, (fill, edge, glyph) in enumerate(looks):
        for column in range(3):
            ox, oy = column * 24, row * 24
            c.disc(12, 12, 11.5, fill, ox, oy)
            c.ring(12, 12, 11.5, 1.5, edge, ox, oy)
            if column == 0:
                c.polygon([(9, 6.5), (18, 12), (9, 17.5)], glyph, ox, oy)
            elif column == 1:
                c.rect(ox + 8, oy + 7, 3, 10, glyph)
                c.rect(ox + 13, oy + 7, 3, 10, glyph)
            else:
                c.rect(ox + 8, oy + 8, 8, 8, glyph)
    return c


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def midnight():
    c = Canvas(320, 240, (0, 0, 0))
    for y in range(240):
        row = mix((0x0E, 0x12, 0x2A), (0x23, 0x1A, 0x3A), y / 239)
        for x in range(320):
            c.pixels[y][x] = row
    rng = random.Random(7)
    for _ in range(90):
        x, y = rng.randrange(320), rng.randrange(240)
        c.set(x, y, mix(c.pixels[y][x], (0xFF, 0xFF, 0xF0), rng.uniform(0.3, 0.9)))
    c.disc(262, 52, 22, (0xE8, 0xE4, 0xC8))
    c.disc(272, 46, 20, c.pixels[46][292])
    return c


def washi():
    rng = random.Random(11)
    c = Canvas(320, 240, (0xF6, 0xF1, 0xE4))
    for y in range(240):
        for x in range(320):
            v = rng.randint(-5, 5)
            r, g, b = c.pixels[y][x]
            c.pixels[y][x] = (r + v, g + v, b + v)
    for _ in range(60):
        x, y = rng.uniform(0, 320), rng.uniform(0, 240)
        angle, length = rng.uniform(0, math.pi), rng.uniform(8, 30)
        x1, y1 = x + math.cos(angle) * length, y + math.sin(angle) * length
        c.line(int(x), int(y), int(x1), int(y1), (0xE2, 0xD9, 0xC2))
    return c


def ocean():
    c = Canvas(320, 240, (0, 0, 0))
    for y in range(240):
        for x in range(320):
            wave = math.sin(x / 23.0 + y / 41.0) * 0.06 + math.sin(x / 9.0 - y / 17.0) * 0.03
            c.pixels[y][x] = mix((0x0B, 0x3C, 0x5D), (0x2A, 0x9D, 0xB8), max(0.0, min(1.0, y / 239 + wave)))
    return c


def main():
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "Themes"), exist_ok=True)
    write_bmp(tool_strip(), os.path.join(out, "CorvantaTool.bmp"))
    write_png(audio_strip(), os.path.join(out, "AudioTool.png"))
    write_png(midnight(), os.path.join(out, "Themes", "Midnight.png"))
    write_png(washi(), os.path.join(out, "Themes", "Washi.png"))
    write_png(ocean(), os.path.join(out, "Themes", "Ocean.png"))


if __name__ == "__main__":
    main()
