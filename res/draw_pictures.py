#!/usr/bin/env python3
"""Draws the program's pictures and writes them next to this script.

    python3 res/draw_pictures.py

regenerates Sixpointe.ico (32 x 32, 16 colours), Toolbar.bmp (five 16 x 16
tool-bar images side by side, 24-bit, magenta 255,0,255 = transparent) and
Banner.bmp (294 x 77, 24-bit: the About dialog's banner). The
output is deterministic and committed, so building the program needs no image
tool. Standard library only.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard VGA palette: the only colours a 16-colour icon can hold.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
       (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
       (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREY, SILVER, WHITE = VGA[0], VGA[8], VGA[7], VGA[15]
KEY = (255, 0, 255)  # tool-bar transparency key

SAMPLES = 4  # per axis: edges get partial coverage, blended into the pixel below


class Canvas:
    """Pixels are RGB tuples or None (transparent). Shapes are predicates on
    continuous coordinates; pixel (x, y) covers the square [x, x+1] x [y, y+1]."""

    def __init__(self, width, height, palette=None):
        self.width, self.height, self.palette = width, height, palette
        self.px = [[None] * width for _ in range(height)]

    def fill(self, inside, colour, box=None):
        """box = (x0, y0, x1, y1) limits the pixels looked at, for speed."""
        step = 1.0 / SAMPLES
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = sum(inside(x + (i + 0.5) * step, y + (j + 0.5) * step)
                           for i in range(SAMPLES) for j in range(SAMPLES))
                if hits:
                    self._paint(x, y, colour, hits / SAMPLES ** 2)

    def _paint(self, x, y, colour, cover):
        assert colour != KEY, "magenta is the tool-bar's transparency key"
        below = self.px[y][x]
        if below is None:
            # Half-covered pixels over transparency: all or nothing, no fringe.
            if cover >= 0.5:
                self.px[y][x] = colour
            return
        mixed = tuple(round(c * cover + b * (1 - cover)) for c, b in zip(colour, below))
        self.px[y][x] = nearest(mixed, self.palette) if self.palette else mixed

    def pattern(self, x0, y0, rows, colours):
        """Pixel art: each character of rows names its colour in colours."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in colours:
                    self.px[y0 + j][x0 + i] = colours[ch]


def nearest(rgb, palette):
    return min(palette, key=lambda p: sum((a - b) ** 2 for a, b in zip(rgb, p)))


# Shapes -------------------------------------------------------------------

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(*pts):
    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2
    return inside


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


# The icon: a text page with a pair of glasses lying across it --------------

def draw_icon():
    c = Canvas(32, 32, VGA)
    left, top, right, bottom, fold = 4, 1, 26, 31, 7
    sheet = polygon((left, top), (right - fold, top), (right, top + fold),
                    (right, bottom), (left, bottom))
    c.fill(sheet, BLACK)
    c.fill(polygon((left + 1, top + 1), (right - fold - 0.4, top + 1),
                   (right - 1, top + fold + 0.4), (right - 1, bottom - 1),
                   (left + 1, bottom - 1)), WHITE)
    flap = polygon((right - fold, top), (right - fold, top + fold), (right, top + fold))
    c.fill(flap, BLACK)
    c.fill(polygon((right - fold + 1, top + 2.4), (right - fold + 1, top + fold - 1),
                   (right - 2.4, top + fold - 1)), SILVER)
    for y, end in ((5, 17), (8, 20), (11, 23), (14, 19), (17, 23), (29, 20)):
        c.fill(rect(left + 3, y, end, y + 1), GREY)
    draw_glasses(c)
    return c


def draw_glasses(c):
    cy, r = 23.0, 5.6
    lenses = ((9.2, -1), (23.4, 1))  # centre x, outward side
    for cx, side in lenses:  # hinges where the folded temples start
        c.fill(segment(cx + side * (r - 1), cy - 2.5, cx + side * (r + 0.9), cy - 3.4, 1.5), BLACK)
    c.fill(segment(14.4, cy - 2.2, 18.2, cy - 2.2, 1.6), BLACK)  # bridge
    for cx, _ in lenses:
        c.fill(disc(cx, cy, r), BLACK)
        c.fill(disc(cx, cy, r - 1.1), VGA[4])  # navy: dark, still reads as glass
        c.fill(minus(disc(cx - 1.2, cy - 1.3, 2.4), disc(cx - 0.2, cy - 0.3, 2.4)), SILVER)


# The tool-bar images --------------------------------------------------------

INK = (40, 40, 40)
PAPER = (255, 255, 255)
FOLD = (200, 200, 200)


def draw_page(c, ox):
    # Drawn pixel by pixel: at this size a computed diagonal fold looks ragged.
    body = ["..#wwwwwwwwww#.."] * 9
    c.pattern(ox, 0, ["..########......",
                      "..#wwwwww##.....",
                      "..#wwwwww#g#....",
                      "..#wwwwww#gg#...",
                      "..#wwwwww#ggg#..",
                      "..#wwwwww#####.."] + body + ["..############.."],
              {'#': INK, 'w': PAPER, 'g': FOLD})


def draw_book(c, ox):
    navy, blue, gold = (20, 40, 110), (40, 90, 190), (255, 220, 60)
    c.fill(rect(ox + 2, 1, ox + 14, 15), navy)          # cover outline
    c.fill(rect(ox + 3, 12, ox + 13, 14), PAPER)         # page edges at the foot
    c.fill(rect(ox + 3, 13, ox + 13, 13.5), FOLD)
    c.fill(rect(ox + 5, 2, ox + 13, 12), blue)           # front cover
    c.fill(rect(ox + 3, 2, ox + 5, 12), (30, 60, 150))   # spine
    c.pattern(ox + 7, 3, [".###.",
                          "#...#",
                          "....#",
                          "..##.",
                          "..#..",
                          ".....",
                          "..#.."], {'#': gold})


def draw_door(c, ox):
    frame, dark, wood, edge = (90, 60, 30), (30, 20, 10), (190, 130, 60), (120, 75, 30)
    green, deep = (30, 170, 40), (0, 90, 10)
    c.fill(rect(ox + 1, 1, ox + 10, 16), frame)
    c.fill(rect(ox + 2, 2, ox + 9, 16), dark)            # the open doorway
    leaf = polygon((ox + 2, 2), (ox + 6, 3.5), (ox + 6, 16), (ox + 2, 16))
    c.fill(leaf, edge)
    c.fill(polygon((ox + 2.6, 3), (ox + 5.4, 4.2), (ox + 5.4, 15.2), (ox + 2.6, 15.2)), wood)
    c.fill(rect(ox + 4, 9, ox + 5, 10), dark)            # knob
    arrow = polygon((ox + 7, 7), (ox + 11, 7), (ox + 11, 4), (ox + 15.6, 8.5),
                    (ox + 11, 13), (ox + 11, 10), (ox + 7, 10))
    c.fill(arrow, deep)
    c.fill(polygon((ox + 8, 8), (ox + 12, 8), (ox + 12, 6.4), (ox + 14.2, 8.5),
                   (ox + 12, 10.6), (ox + 12, 9), (ox + 8, 9)), green)


def draw_flag(c, ox, cloth, shade):
    pole, knob = (90, 90, 90), (230, 180, 40)
    def wave(x):
        return 1.2 * math.sin((x - ox - 4) * 0.6)

    def flag(inset):
        return lambda x, y: (ox + 4 + inset <= x < ox + 15 - inset and
                             2 + inset <= y - wave(x) < 10 - inset)
    c.fill(flag(0), shade)
    c.fill(flag(1), cloth)
    c.fill(rect(ox + 2, 2, ox + 4, 16), pole)
    c.fill(rect(ox + 3, 2, ox + 4, 16), (150, 150, 150))
    c.fill(disc(ox + 3, 1.5, 1.5), knob)
    c.fill(rect(ox + 1, 15, ox + 6, 16), pole)           # foot


def draw_toolbar():
    c = Canvas(80, 16)
    draw_page(c, 0)
    draw_book(c, 16)
    draw_door(c, 32)
    draw_flag(c, 48, (40, 180, 60), (0, 100, 20))        # learning: green
    draw_flag(c, 64, (230, 40, 40), (140, 0, 0))         # evaluation: red
    return c


# The About banner: the name over its Braille cells, and one large cell -----

# A 5 x 7 pixel font, for the letters of the name only.
LETTERS = {
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'I': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    'X': ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
}
# The raised dots of each letter's Braille cell.
BRAILLE = {'S': (2, 3, 4), 'I': (2, 4), 'X': (1, 3, 4, 6), 'P': (1, 2, 3, 4),
           'O': (1, 3, 5), 'N': (1, 3, 4, 5), 'T': (2, 3, 4, 5), 'E': (1, 5)}
NAME = "SIXPOINTE"
NAVY, SKY = (16, 36, 86), (58, 112, 176)
PALE = (150, 180, 215)


def dot_centre(x0, y0, dot, pitch):
    """Dots 1 2 3 run down the left column, 4 5 6 down the right one."""
    column, row = divmod(dot - 1, 3)
    return x0 + column * pitch, y0 + row * pitch


def draw_cell(c, x0, y0, raised, pitch, r, on, off):
    for dot in range(1, 7):
        cx, cy = dot_centre(x0, y0, dot, pitch)
        box = (int(cx - r) - 1, int(cy - r) - 1, int(cx + r) + 2, int(cy + r) + 2)
        if dot in raised:
            c.fill(disc(cx, cy, r), on, box)
        elif off:
            c.fill(minus(disc(cx, cy, r), disc(cx, cy, r - 1)), off, box)


def draw_banner():
    c = Canvas(294, 77)
    for y in range(c.height):
        for x in range(c.width):
            t = x / (c.width - 1)
            c.px[y][x] = tuple(round(a + (b - a) * t) for a, b in zip(NAVY, SKY))
    scale, advance, left = 3, 18, 12
    for i, letter in enumerate(NAME):
        x0 = left + i * advance
        for j, row in enumerate(LETTERS[letter]):
            for k, ch in enumerate(row):
                if ch == '#':
                    c.fill(rect(x0 + k * scale, 10 + j * scale, x0 + (k + 1) * scale,
                                10 + (j + 1) * scale), WHITE)
        draw_cell(c, x0 + 4.5, 44, BRAILLE[letter], 6, 1.9, WHITE, PALE)
    # One large full cell: the six dots that every character is made of.
    draw_cell(c, 226, 14, range(1, 7), 21, 7, WHITE, None)
    c.fill(rect(12, 69, 282, 70), PALE)
    return c


# File formats ---------------------------------------------------------------

def ico_bytes(c):
    """One 32 x 32, 4-bit image with its AND mask (set bit = transparent)."""
    rows = range(c.height - 1, -1, -1)  # bottom-up
    xor = bytearray()
    for y in rows:
        idx = [VGA.index(p) if p else 0 for p in c.px[y]]
        xor += bytes((idx[x] << 4) | idx[x + 1] for x in range(0, c.width, 2))
    mask = bytearray()
    for y in rows:
        bits = 0
        for x in range(c.width):
            bits = (bits << 1) | (c.px[y][x] is None)
        mask += bits.to_bytes(c.width // 8, 'big')
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    header = struct.pack('<IiiHHIIiiII', 40, c.width, c.height * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', c.width, c.height, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def bmp_bytes(c):
    pixels = bytearray()
    for y in range(c.height - 1, -1, -1):
        row = b''.join(bytes(reversed(p or KEY)) for p in c.px[y])
        pixels += row + b'\0' * (-len(row) % 4)
    info = struct.pack('<IiiHHIIiiII', 40, c.width, c.height, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def main():
    for name, data in (('Sixpointe.ico', ico_bytes(draw_icon())),
                       ('Toolbar.bmp', bmp_bytes(draw_toolbar())),
                       ('Banner.bmp', bmp_bytes(draw_banner()))):
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
