#!/usr/bin/env python3
"""Draws the close-button glyph (an open door, 18x18, two images: normal and
greyed) and the program icon (32x32 and 16x16) as 16-colour pictures.

Run from the repository's top folder; it rewrites widgets/res/close_glyph.bmp
and ui/res/zunoseek.ico. The pictures are committed, so building does not need
Python."""
import struct

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GRAY, RED, LIME, YELLOW, \
    BLUE, FUCHSIA, AQUA, WHITE = range(16)

# Open door: the frame, the dark doorway and the door leaf swung out to the left.
DOOR = [
    "..................",
    "......kkkkkkkkkk..",
    "......k........k..",
    "..yy..k.nnnnnn.k..",
    "..ymyyk.nnnnnn.k..",
    "..ymmmyynnnnnn.k..",
    "..ymmmmmynnnnn.k..",
    "..ymmmmmynnnnn.k..",
    "..ymmmmmynnnnn.k..",
    "..ymmwmmynnnnn.k..",
    "..ymmmmmynnnnn.k..",
    "..ymmmmmynnnnn.k..",
    "..ymmmmmynnnnn.k..",
    "..ymmmyynnnnnn.k..",
    "..ymyy.knnnnnn.k..",
    "..yy...kkkkkkkkk..",
    ".ggggggggggggggggg",
    "..................",
]
DOOR_COLOURS = {".": OLIVE, "k": BLACK, "n": NAVY, "y": MAROON, "m": YELLOW, "w": BLACK,
                "g": GRAY}


def greyed(rows):
    """The disabled twin: the outline embossed in white and grey, as buttons
    draw disabled pictures."""
    h, w = len(rows), len(rows[0])
    out = [[OLIVE] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if rows[y][x] != ".":
                if y + 1 < h and x + 1 < w:
                    out[y + 1][x + 1] = WHITE
    for y in range(h):
        for x in range(w):
            if rows[y][x] != ".":
                out[y][x] = GRAY
    return out


def indexed(rows, colours):
    return [[colours[c] for c in row] for row in rows]


def bmp_rows_4bpp(pixels):
    """Rows bottom-up, two pixels a byte, each row padded to four bytes."""
    data = b""
    for row in reversed(pixels):
        packed = bytearray()
        for x in range(0, len(row), 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < len(row) else 0
            packed.append(hi << 4 | lo)
        while len(packed) % 4:
            packed.append(0)
        data += bytes(packed)
    return data


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def write_bmp(path, pixels):
    h, w = len(pixels), len(pixels[0])
    bits = bmp_rows_4bpp(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(bits), 2834, 2834, 16, 0)
    offset = 14 + len(info) + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + palette_bytes() + bits)


def icon_pixels(size):
    """A page of text under a magnifying glass; None marks transparency."""
    s = size / 32.0
    px = [[None] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c

    rect(4, 2, 22, 30, BLACK)
    rect(5, 3, 21, 29, WHITE)
    for line in range(6, 27, 4):
        rect(7, line, 19, line + 1, NAVY)
    cx, cy, r = 20 * s, 17 * s, 7 * s
    for y in range(size):
        for x in range(size):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= r - 1.5 * s:
                px[y][x] = AQUA
            elif d <= r + 0.5:
                px[y][x] = BLACK
    for i in range(int(8 * s)):
        for t in range(max(2, int(3 * s))):
            x, y = int(25 * s) + i + t // 2, int(22 * s) + i + (t + 1) // 2
            if x < size and y < size:
                px[y][x] = MAROON
    return px


def icon_image(size):
    px = icon_pixels(size)
    colour = [[c if c is not None else BLACK for c in row] for row in px]
    xor = bmp_rows_4bpp(colour)
    mask = b""
    for row in reversed(px):
        bits = bytearray((size + 31) // 32 * 4)
        for x, c in enumerate(row):
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                       0, 0, 16, 0)
    return info + palette_bytes() + xor + mask


def write_ico(path, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 16, 0, 1, 4, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    normal = indexed(DOOR, DOOR_COLOURS)
    twin = greyed(DOOR)
    write_bmp("widgets/res/close_glyph.bmp", [a + b for a, b in zip(normal, twin)])
    write_ico("ui/res/zunoseek.ico", [32, 16])
