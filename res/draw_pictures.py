#!/usr/bin/env python3
"""Draws the program's pictures and writes them next to this script.

    python3 res/draw_pictures.py

regenerates Sixpointe.ico (16 colours, at 16, 20, 24, 32, 40, 48 and 64
pixels, the three largest as PNG), Toolbar.bmp (five 16 x 16 tool-bar images side by side, magenta
255,0,255 = transparent) and Banner.bmp (294 x 77: the About dialog's
banner), each bitmap also drawn for 120, 144 and 192 dpi (Toolbar_120.bmp,
...), so that no picture is ever stretched. The bitmaps are 8-bit with their
own palettes and run-length encoded (BI_RLE8), which keeps the program small.
The output is deterministic and committed, so building the program needs no
image tool. Standard library only.
"""

import math
import os
import struct
import zlib

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
    continuous coordinates in design units; `scale` device pixels make one
    unit, so that one drawing serves every size. Pixel (x, y) covers the
    square [x, x+1] x [y, y+1] of device pixels."""

    def __init__(self, width, height, palette=None, scale=1.0):
        self.width, self.height, self.palette, self.scale = width, height, palette, scale
        self.nearest = {}
        self.px = [[None] * width for _ in range(height)]

    def fill(self, inside, colour, box=None):
        """box = (x0, y0, x1, y1) in design units limits the pixels looked at, for speed."""
        step = 1.0 / SAMPLES
        s = self.scale
        x0, y0, x1, y1 = box or (0, 0, self.width / s, self.height / s)
        for y in range(max(0, math.floor(y0 * s)), min(self.height, math.ceil(y1 * s))):
            for x in range(max(0, math.floor(x0 * s)), min(self.width, math.ceil(x1 * s))):
                hits = sum(inside((x + (i + 0.5) * step) / s, (y + (j + 0.5) * step) / s)
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
        if self.palette:
            if mixed not in self.nearest:
                self.nearest[mixed] = nearest(mixed, self.palette)
            mixed = self.nearest[mixed]
        self.px[y][x] = mixed

    def snap(self, v):
        """A design coordinate on the pixel grid: crisp edges at any scale."""
        return round(v * self.scale)

    def block(self, x0, y0, x1, y1, colour):
        """A rectangle whose edges fall on whole pixels, at least one wide."""
        left, top = self.snap(x0), self.snap(y0)
        right, bottom = max(self.snap(x1), left + 1), max(self.snap(y1), top + 1)
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                self.px[y][x] = colour

    def pattern(self, x0, y0, rows, colours, cell=1):
        """Pixel art: each character of rows names its colour in colours; each
        of its cells (cell design units square) becomes a block of whole pixels."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in colours:
                    self.block(x0 + i * cell, y0 + j * cell, x0 + (i + 1) * cell,
                               y0 + (j + 1) * cell, colours[ch])


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

def draw_icon(size):
    c = Canvas(size, size, VGA, size / 32)
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
        c.block(left + 3, y, end, y + 1, GREY)
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


def draw_toolbar(scale):
    c = Canvas(round(80 * scale), round(16 * scale), scale=scale)
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


def mix(a, b, t):
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def draw_banner(dpi):
    # The gradient in few steps: long runs of one colour, which run-length
    # encoding stores in a few bytes. The palette holds each step, and white
    # and pale blue over it at three strengths, for the edges of the dots.
    steps = 32
    gradient = [mix(NAVY, SKY, k / (steps - 1)) for k in range(steps)]
    palette = gradient + [WHITE, PALE] + [mix(g, top, a) for g in gradient
                                          for top in (WHITE, PALE) for a in (0.25, 0.5, 0.75)]
    # The size the program gives a 294 x 77 picture at that resolution.
    c = Canvas(scaled(294, dpi), scaled(77, dpi), palette, dpi / 96)
    for x in range(c.width):
        colour = gradient[x * steps // c.width]
        for y in range(c.height):
            c.px[y][x] = colour
    scale, advance, left = 3, 18, 12
    for i, letter in enumerate(NAME):
        x0 = left + i * advance
        c.pattern(x0, 10, [row.replace('#', 'w') for row in LETTERS[letter]], {'w': WHITE},
                  cell=scale)
        draw_cell(c, x0 + 4.5, 44, BRAILLE[letter], 6, 1.9, WHITE, PALE)
    # One large full cell: the six dots that every character is made of.
    draw_cell(c, 226, 14, range(1, 7), 21, 7, WHITE, None)
    c.block(12, 69, 282, 70, PALE)
    return c


# File formats ---------------------------------------------------------------

def scaled(pixels, dpi):
    """As the program scales 96-dpi pixels: rounded half away from zero."""
    return (pixels * dpi + 48) // 96


def icon_image(c):
    """One 4-bit image with its AND mask (set bit = transparent), as stored in an icon."""
    rows = range(c.height - 1, -1, -1)  # bottom-up
    stride = ((c.width * 4 + 31) // 32) * 4
    xor = bytearray()
    for y in rows:
        idx = [VGA.index(p) if p else 0 for p in c.px[y]] + [0]
        row = bytes((idx[x] << 4) | idx[x + 1] for x in range(0, c.width, 2))
        xor += row + b'\0' * (stride - len(row))
    mask_stride = ((c.width + 31) // 32) * 4
    mask = bytearray()
    for y in rows:
        bits = 0
        for x in range(c.width):
            bits = (bits << 1) | (c.px[y][x] is None)
        bits <<= mask_stride * 8 - c.width
        mask += bits.to_bytes(mask_stride, 'big')
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    header = struct.pack('<IiiHHIIiiII', 40, c.width, c.height * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    return header + palette + bytes(xor) + bytes(mask)


def png_image(c):
    """One image as a PNG file: the 16 colours and transparency as a 17th."""
    rows = bytearray()
    for y in range(c.height):
        rows.append(0)  # no filter
        rows += bytes(len(VGA) if p is None else VGA.index(p) for p in c.px[y])

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))

    palette = b''.join(bytes(p) for p in VGA) + b'\0\0\0'
    alpha = b'\xff' * len(VGA) + b'\0'
    header = struct.pack('>IIBBBBB', c.width, c.height, 8, 3, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'PLTE', palette) +
            chunk(b'tRNS', alpha) + chunk(b'IDAT', zlib.compress(bytes(rows), 9)) +
            chunk(b'IEND', b''))


def ico_bytes(canvases):
    """An icon file holding one image per size: the large ones as PNG, which
    takes a fifth of the room (Windows reads PNG icon images since Vista)."""
    images = [png_image(c) if c.width >= PNG_FROM else icon_image(c) for c in canvases]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for c, image in zip(canvases, images):
        png = c.width >= PNG_FROM
        directory += struct.pack('<BBBBHHII', c.width % 256, c.height % 256, 0 if png else 16,
                                 0, 1, 8 if png else 4, len(image), offset)
        offset += len(image)
    return directory + b''.join(images)


def rle8_row(indices):
    """One row in BI_RLE8: runs as (count, index); other stretches of three or
    more pixels in absolute mode, padded to a 16-bit boundary."""
    out = bytearray()
    literal = []

    def flush():
        while literal:
            chunk, rest = literal[:255], literal[255:]
            if len(chunk) < 3:
                for i in chunk:
                    out.extend((1, i))
            else:
                out.extend((0, len(chunk)))
                out.extend(chunk)
                if len(chunk) % 2:
                    out.append(0)
            literal[:] = rest

    x = 0
    while x < len(indices):
        run = 1
        while x + run < len(indices) and run < 255 and indices[x + run] == indices[x]:
            run += 1
        if run >= 3:
            flush()
            out.extend((run, indices[x]))
        else:
            literal.extend(indices[x:x + run])
        x += run
    flush()
    return bytes(out + b'\0\0')  # end of line


def palette_of(c):
    """The picture's colours, transparency first; at most 256."""
    counts = {}
    for row in c.px:
        for p in row:
            counts[p or KEY] = counts.get(p or KEY, 0) + 1
    colours = sorted(counts, key=lambda p: (p != KEY, -counts[p]))
    assert len(colours) <= 256, f"{len(colours)} colours: too many for a palette"
    return colours


def bmp_bytes(c):
    """An 8-bit bitmap with the picture's own palette, run-length encoded."""
    palette = palette_of(c)
    index = {p: i for i, p in enumerate(palette)}
    pixels = bytearray()
    for y in range(c.height - 1, -1, -1):
        pixels += rle8_row([index[p or KEY] for p in c.px[y]])
    pixels[-2:] = b'\0\1'  # end of bitmap instead of the last end of line
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, c.width, c.height, 1, 8, 1, len(pixels),
                       2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(colours)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return head + info + colours + bytes(pixels)


ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)  # small and large icons at 100 to 200 %
PNG_FROM = 40  # icon images this large and larger are stored as PNG
DPIS = (96, 120, 144, 192)


def main():
    files = [('Sixpointe.ico', ico_bytes([draw_icon(size) for size in ICON_SIZES]))]
    for dpi in DPIS:
        suffix = '' if dpi == 96 else f'_{dpi}'
        files.append((f'Toolbar{suffix}.bmp', bmp_bytes(draw_toolbar(dpi / 96))))
        files.append((f'Banner{suffix}.bmp', bmp_bytes(draw_banner(dpi))))
    for name, data in files:
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
