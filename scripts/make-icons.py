#!/usr/bin/env python3
"""Draws the program icon and writes the icon files of resources/.

The picture: a sheet with rows of byte cells (red offsets, blue numbers)
whose right edge has been nibbled away. Written straight in the ICO format
(BITMAPINFOHEADER images with an AND mask), no imaging library needed.

    python3 scripts/make-icons.py [output-dir]
"""
import math
import os
import struct
import sys

# The 16-colour palette every display can show.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

BITES = [(0.83, 0.17, 0.13), (0.83, 0.41, 0.13)]


def on_sheet(u, v):
    if not (0.14 <= u <= 0.82 and 0.05 <= v <= 0.95):
        return False
    return all(math.hypot(u - cx, v - cy) > r for cx, cy, r in BITES)


def picture(size, rich):
    """Rows of (r, g, b) or None (transparent), top row first."""
    def sample(x, y):
        return on_sheet((x + 0.5) / size, (y + 0.5) / size)

    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            if not sample(x, y):
                # A shadow one pixel down and right of the sheet.
                shadow = rich and x > 0 and y > 0 and sample(x - 1, y - 1)
                row.append((150, 150, 150) if shadow else None)
                continue
            edge = any(not (0 <= x + dx < size and 0 <= y + dy < size and sample(x + dx, y + dy))
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if edge:
                row.append((40, 40, 40) if rich else (0, 0, 0))
                continue
            color = (255, 255, 240 - int(30 * v)) if rich else (255, 255, 255)
            band = (v - 0.17) / 0.19
            within_band = band >= 0 and (band - math.floor(band)) < 0.55 and band < 4
            if within_band:
                line = int(band)
                if 0.22 <= u < 0.33:
                    color = (200, 40, 40) if rich else (128, 0, 0)
                else:
                    for start in (0.39, 0.53, 0.67):
                        if start <= u < start + 0.11:
                            if rich:
                                shade = 30 * line
                                color = (40, 90 + shade // 2, 220 - shade)
                            else:
                                color = (0, 0, 255) if line % 2 == 0 else (0, 0, 128)
            row.append(color)
        pixels.append(row)
    return pixels


def nearest(color, palette):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(color, palette[i])))


def row_bytes(bits):
    return (bits + 31) // 32 * 4


def image(pixels, bits):
    size = len(pixels)
    if bits == 4:
        palette = VGA16
    else:
        palette = []
        for row in pixels:
            for c in row:
                if c is not None and c not in palette:
                    palette.append(c)
        palette = [(0, 0, 0)] + palette
        assert len(palette) <= 256
        palette += [(0, 0, 0)] * (256 - len(palette))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    colors = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette)
    xor = b''
    mask = b''
    for row in reversed(pixels):  # bottom-up
        indices = [0 if c is None else (nearest(c, palette) if bits == 4 else palette.index(c)) for c in row]
        if bits == 4:
            data = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        else:
            data = bytes(indices)
        xor += data + b'\0' * (row_bytes(size * bits) - len(data))
        maskbits = 0
        for c in row:
            maskbits = (maskbits << 1) | (1 if c is None else 0)
        data = maskbits.to_bytes(size // 8, 'big')
        mask += data + b'\0' * (row_bytes(size) - len(data))
    return header + colors + xor + mask


def icon_file(entries):
    """entries: list of (size, bits, image bytes)."""
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, bits, data in entries:
        color_count = 16 if bits == 4 else 0
        out += struct.pack('<BBBBHHII', size, size, color_count, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, _, data in entries)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'resources')
    large = icon_file([
        (32, 4, image(picture(32, False), 4)),
        (32, 8, image(picture(32, True), 8)),
    ])
    small = icon_file([
        (32, 4, image(picture(32, False), 4)),
        (16, 4, image(picture(16, False), 4)),
    ])
    with open(os.path.join(out_dir, 'ProgramIcon.ico'), 'wb') as f:
        f.write(large)
    with open(os.path.join(out_dir, 'ProgramIconSmall.ico'), 'wb') as f:
        f.write(small)


if __name__ == '__main__':
    main()
