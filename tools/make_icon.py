#!/usr/bin/env python3
"""Draws the program's icon, a grey cartoon koala head, as a 48x48 32-bit .ico.

Usage: make_icon.py OUTPUT.ico
Shapes are sampled 4x4 per pixel for smooth edges.
"""
import struct
import sys

SIZE = 48
SAMPLES = 4

GREY = (150, 150, 158)
DARK_GREY = (105, 105, 114)
PALE = (206, 206, 212)
PINK = (236, 170, 182)
BLACK = (30, 30, 34)
WHITE = (255, 255, 255)


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


# Painted in order; later shapes cover earlier ones.
SHAPES = [
    (ellipse(9.5, 14, 9, 9), DARK_GREY),    # ears
    (ellipse(38.5, 14, 9, 9), DARK_GREY),
    (ellipse(9.5, 14, 5.5, 5.5), PINK),
    (ellipse(38.5, 14, 5.5, 5.5), PINK),
    (ellipse(24, 27, 17, 16), GREY),        # head
    (ellipse(24, 34, 10, 7.5), PALE),       # muzzle
    (ellipse(17, 24, 2.6, 3.2), BLACK),     # eyes
    (ellipse(31, 24, 2.6, 3.2), BLACK),
    (ellipse(17.8, 23, 0.9, 0.9), WHITE),
    (ellipse(31.8, 23, 0.9, 0.9), WHITE),
    (ellipse(24, 30.5, 4.2, 3.4), BLACK),   # nose
    (ellipse(24, 37.2, 2.4, 1.1), DARK_GREY),  # mouth
]


def pixel(px, py):
    """Averages the samples of one pixel; returns (b, g, r, a)."""
    total = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            colour = None
            for inside, fill in SHAPES:
                if inside(x, y):
                    colour = fill
            if colour:
                for k in range(3):
                    total[k] += colour[k]
                total[3] += 255
    n = SAMPLES * SAMPLES
    alpha = total[3] / n
    if alpha == 0:
        return (0, 0, 0, 0)
    covered = total[3] / 255
    r, g, b = (round(total[k] / covered) for k in range(3))
    return (b, g, r, round(alpha))


def icon():
    rows = []
    for py in reversed(range(SIZE)):  # bottom-up
        rows.append(b"".join(struct.pack("4B", *pixel(px, py)) for px in range(SIZE)))
    xor = b"".join(rows)
    and_mask = bytes(((SIZE + 31) // 32) * 4 * SIZE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon())
