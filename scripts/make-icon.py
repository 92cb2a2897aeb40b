#!/usr/bin/env python3
"""Draws the Tandrel icon: forms/rc/arvelo-icon.png (80x80 RGBA) and, for the
Windows executable, forms/rc/arvelo-icon.ico (one 80x80 256-colour image).

Run it from the project root; the outputs are committed, so a build never needs it."""
import math
import struct
import zlib

SIZE = 80


def pixel(x, y):
    """Colour of one pixel: a rounded blue tile with a white mains wave and three dots."""
    cx, cy = x + 0.5, y + 0.5
    r = 14.0
    dx = max(r - cx + 2, 0, cx - (SIZE - 2 - r))
    dy = max(r - cy + 2, 0, cy - (SIZE - 2 - r))
    d = math.hypot(dx, dy)
    if d > r:
        return (0, 0, 0, 0)
    alpha = 255 if d < r - 1 else int(255 * (r - d))
    shade = int(40 * cy / SIZE)
    colour = (20, 90 + shade, 170 + shade // 2)
    wave = 40 + 14 * math.sin((cx - 10) / 60.0 * 2 * math.pi * 1.5)
    if 10 <= cx <= 70 and abs(cy - wave) < 3.2:
        colour = (255, 255, 255)
    for px in (22, 40, 58):
        if math.hypot(cx - px, cy - 64) < 4:
            colour = (255, 210, 60)
    return colour + (alpha,)


def png(pixels):
    raw = b"".join(b"\0" + bytes(sum((pixels[y * SIZE + x] for x in range(SIZE)), ()))
                   for y in range(SIZE))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(pixels):
    palette = []
    index = []
    for p in pixels:
        # 6x6x6 colour cube, with transparency carried by the AND mask
        c = tuple(round(v / 51) for v in p[:3])
        if c not in palette:
            palette.append(c)
        index.append(palette.index(c))
    assert len(palette) <= 256
    palette += [(0, 0, 0)] * (256 - len(palette))
    rows = []
    masks = []
    for y in reversed(range(SIZE)):
        rows.append(bytes(index[y * SIZE:(y + 1) * SIZE]))
        bits = 0
        row = b""
        for x in range(SIZE):
            bits = (bits << 1) | (1 if pixels[y * SIZE + x][3] < 128 else 0)
            if x % 8 == 7:
                row += bytes([bits])
                bits = 0
        masks.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    bmp = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    bmp += b"".join(bytes((b * 51, g * 51, r * 51, 0)) for r, g, b in palette)
    bmp += b"".join(rows) + b"".join(masks)
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(bmp), 6 + 16)
    return head + entry + bmp


pixels = [pixel(x, y) for y in range(SIZE) for x in range(SIZE)]
with open("forms/rc/arvelo-icon.png", "wb") as f:
    f.write(png(pixels))
with open("forms/rc/arvelo-icon.ico", "wb") as f:
    f.write(ico(pixels))
