#!/usr/bin/env python3
"""Draws the image strips of the window's controls as PNG files next to this script.

tree_338.png   two 16 x 16 tree images: 0 an entry below a mailbox file, 1 a mailbox file
rows_329.png   59 16 x 16 row images: 38 an envelope (email row), 56 a paper clip (attachment)
header_328.png four 12 x 13 header images: 0 a paper clip, 2 an envelope
Magenta (255, 0, 255) is the transparent colour.
"""
import colorsys
import os
import struct
import zlib

MAGENTA = (255, 0, 255)
INK = (40, 40, 40)
PAPER = (250, 250, 240)
STEEL = (90, 100, 130)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[MAGENTA] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, fill, outline):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                self.put(x, y, outline if edge else fill)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def save(self, name):
        raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in self.pixels)
        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name), "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def envelope(c, x, y, w, h):
    c.rect(x, y, x + w - 1, y + h - 1, PAPER, INK)
    c.line(x, y, x + w // 2, y + h // 2, INK)
    c.line(x + w - 1, y, x + w - 1 - w // 2, y + h // 2, INK)


def paper_clip(c, x, y, h):
    c.line(x + 1, y + 2, x + 1, y + h - 2, STEEL)
    c.line(x + 5, y + 1, x + 5, y + h - 3, STEEL)
    c.line(x + 3, y + 4, x + 3, y + h - 4, STEEL)
    c.line(x + 2, y + h - 1, x + 4, y + h - 1, STEEL)
    c.line(x + 2, y, x + 4, y, STEEL)
    c.put(x + 4, y + 3, STEEL)


def mailbox(c, x, y):
    c.rect(x + 1, y + 4, x + 14, y + 14, (230, 190, 90), INK)
    c.rect(x + 1, y + 2, x + 7, y + 4, (230, 190, 90), INK)
    envelope(c, x + 4, y + 7, 8, 5)


def generic(c, x, y, index):
    r, g, b = colorsys.hsv_to_rgb(index / 59.0, 0.6, 0.85)
    c.rect(x + 3, y + 3, x + 12, y + 12, (int(r * 255), int(g * 255), int(b * 255)), INK)


def main():
    tree = Canvas(32, 16)
    envelope(tree, 1, 3, 14, 10)
    mailbox(tree, 16, 0)
    tree.save("tree_338.png")

    rows = Canvas(59 * 16, 16)
    for i in range(59):
        if i == 38:
            envelope(rows, i * 16 + 1, 3, 14, 10)
        elif i == 56:
            paper_clip(rows, i * 16 + 5, 1, 14)
        else:
            generic(rows, i * 16, 0, i)
    rows.save("rows_329.png")

    header = Canvas(48, 13)
    paper_clip(header, 3, 0, 12)
    header.rect(12 + 3, 3, 12 + 8, 8, (200, 60, 60), INK)
    envelope(header, 24 + 1, 3, 10, 7)
    header.rect(36 + 3, 3, 36 + 8, 8, (60, 160, 60), INK)
    header.save("header_328.png")


if __name__ == "__main__":
    main()
