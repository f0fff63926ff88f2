#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the planet's picture: a banded, slightly flattened grey disc on black.

Usage: draw-planet.py WIDTH HEIGHT OUTPUT.png [--alpha]
       draw-planet.py --icon SIZE OUTPUT.png
Writes a 24-bit RGB PNG (or RGBA with --alpha, transparent outside the disc).
The window's pictures are 29 x 26 (planet.png) and 58 x 52 (planet@2x.png, for
a pixel ratio of 2): the disc, flattened as Jupiter is, is centred on the
middle pixel (WIDTH // 2, HEIGHT // 2), which goes on the planet's ring, and is
as tall as the rows either side of that pixel allow; with an even height the
row left over is the top one.
An icon is SIZE x SIZE, transparent, with the planet as wide as the icon and
flattened as Jupiter is. Every pixel is grey: red, green and blue are equal.
"""
import math
import struct
import sys
import zlib

# Belts and zones from south to north as (upper latitude in -1..1, brightness).
BANDS = [(-0.75, 0.55), (-0.45, 0.80), (-0.30, 0.50), (-0.08, 0.92),
         (0.08, 0.85), (0.32, 0.45), (0.50, 0.82), (0.78, 0.58), (1.01, 0.48)]
SUPERSAMPLES = 4


def brightness(y):
    for upper, value in BANDS:
        if y <= upper:
            return value
    return BANDS[-1][1]


def pixel(px, py, centre, radii):
    """Returns (grey 0..255, coverage 0..1) for one pixel of a disc."""
    radius_x, radius_y = radii
    grey = 0.0
    covered = 0
    for sy in range(SUPERSAMPLES):
        for sx in range(SUPERSAMPLES):
            x = (px + (sx + 0.5) / SUPERSAMPLES - centre[0]) / radius_x
            y = (py + (sy + 0.5) / SUPERSAMPLES - centre[1]) / radius_y
            r2 = x * x + y * y
            if r2 <= 1.0:
                limb = 0.55 + 0.45 * math.sqrt(1.0 - r2)
                grey += brightness(-y) * limb
                covered += 1
    samples = SUPERSAMPLES * SUPERSAMPLES
    return round(255 * grey / samples), covered / samples


def png(width, height, rows, alpha):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


FLATTENING = 0.935  # polar over equatorial diameter


def main():
    if sys.argv[1] == "--icon":
        size, output = int(sys.argv[2]), sys.argv[3]
        height = max(1, round(size * FLATTENING))
        write(size, height, (size / 2.0, height / 2.0), (size / 2.0, height / 2.0), output, alpha=True, canvas=size)
    else:
        width, height = int(sys.argv[1]), int(sys.argv[2])
        middle = (width // 2 + 0.5, height // 2 + 0.5)
        radius_y = min(height // 2, height - height // 2 - 1) + 0.5
        radius_x = min(radius_y / FLATTENING, min(width // 2, width - width // 2 - 1) + 0.5)
        write(width, height, middle, (radius_x, radius_y), sys.argv[3], alpha="--alpha" in sys.argv[4:], canvas=None)


def write(width, height, centre, radii, output, alpha, canvas):
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            grey, coverage = pixel(px, py, centre, radii)
            if alpha:
                # Colour of the disc itself, coverage as opacity.
                solid = round(grey / coverage) if coverage else 0
                row += [solid, solid, solid, round(255 * coverage)]
            else:
                row += [grey, grey, grey]
        rows.append(row)
    if canvas is not None:
        top = (canvas - height) // 2
        blank = [0, 0, 0, 0] * width
        rows = [blank] * top + rows + [blank] * (canvas - height - top)
        height = canvas
    with open(output, "wb") as stream:
        stream.write(png(width, height, rows, alpha))


if __name__ == "__main__":
    main()
