#!/usr/bin/python3
"""Draws the application icon: a small picture turning into a C brace.

Writes an .ico with a 32 x 32 and a 16 x 16 image of 16 colours (4 bits per
pixel, uncompressed DIBs with an AND mask), the format every version of the
platform reads. Run: res/make_icon.py res/zandrel.ico
"""
import struct
import sys

# The 16-colour standard palette (RGB).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREEN, GREY, YELLOW, WHITE, BLUE, CYAN, GREEN, NAVY = 0, 2, 8, 11, 15, 12, 14, 10, 4
TRANSPARENT = None


def draw(size):
    """Rows top to bottom of palette indices (None = transparent)."""
    s = size / 32.0
    img = [[TRANSPARENT] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                img[y][x] = c

    # The picture: a framed landscape with sky, sun and a hill.
    rect(1, 3, 23, 25, BLACK)
    rect(2, 4, 22, 24, CYAN)
    rect(15, 6, 19, 10, YELLOW)
    for y in range(int(14 * s), int(24 * s)):
        for x in range(int(2 * s), int(22 * s)):
            # A hill: a parabola over the lower half.
            u = (x / s - 9) / 9.0
            if y / s >= 14 + 8 * u * u:
                img[y][x] = GREEN if y / s < 19 else DARK_GREEN
    # The brace of the C source it becomes.
    brace = [(26, 6, 29, 8), (25, 8, 27, 14), (23, 14, 26, 17), (25, 17, 27, 24), (26, 24, 29, 26)]
    for x0, y0, x1, y1 in brace:
        rect(x0, y0, x1, y1, NAVY)
    # An arrow from the picture into the brace.
    rect(8, 27, 24, 29, BLUE)
    rect(22, 26, 24, 30, BLUE)
    return img


def dib(img):
    size = len(img)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows = []
    and_rows = []
    for row in reversed(img):  # bottom row first
        nibbles = [0 if c is None else c for c in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b'\0' * (-len(data) % 4))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    images = [dib(draw(32)), dib(draw(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'zandrel.ico')
