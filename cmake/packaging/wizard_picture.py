#!/usr/bin/env python3
"""Draws the picture on the left of the installer's first and last pages.

    python3 wizard_picture.py PROGRAM.ico OUT.bmp

The picture is the program's own icon, enlarged by a whole factor so that its
pixels stay square and sharp, over the blue of the About banner, with the six
dots of a Braille cell beneath it: 164 x 314 pixels, 24-bit, the size the
installer's pages expect. Built from the icon at build time, so that a new icon
shows in the installer without a second drawing. Standard library only.
"""

import struct
import sys

WIDTH, HEIGHT = 164, 314
TOP, BOTTOM = (16, 36, 86), (58, 112, 176)  # the About banner's navy and sky blue
WHITE = (255, 255, 255)
LARGEST_ICON = 96  # the enlarged icon fits in this square


def icon_images(data):
    """The bitmap images of an .ico file, as (width, height, rows of RGB or None)."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    images = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        image = data[offset:offset + size]
        if image.startswith(b"\x89PNG"):
            continue  # the large compressed sizes: the smaller ones are enough here
        images.append(decode_dib(image))
    if not images:
        raise ValueError("the icon holds no bitmap image")
    return images


def decode_dib(image):
    header, width, double_height, _, bits, compression = struct.unpack_from("<IiiHHI", image, 0)
    if compression != 0 or bits not in (1, 4, 8, 24, 32):
        raise ValueError(f"unsupported icon image: {bits} bits, compression {compression}")
    height = double_height // 2
    colours = struct.unpack_from("<I", image, 32)[0] or (1 << bits if bits <= 8 else 0)
    palette = [tuple(reversed(image[header + 4 * i:header + 4 * i + 3])) for i in range(colours)]
    xor_start = header + 4 * colours
    xor_stride = (width * bits + 31) // 32 * 4
    and_start = xor_start + xor_stride * height
    and_stride = (width + 31) // 32 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up in the file
        xor_row = image[xor_start + y * xor_stride:]
        and_row = image[and_start + y * and_stride:]
        row = []
        for x in range(width):
            transparent = and_row[x // 8] >> (7 - x % 8) & 1
            if bits == 32:
                blue, green, red, alpha = xor_row[4 * x:4 * x + 4]
                row.append((red, green, blue) if alpha >= 128 else None)
                continue
            if bits == 24:
                colour = tuple(reversed(xor_row[3 * x:3 * x + 3]))
            else:
                per_byte = 8 // bits
                index = xor_row[x // per_byte] >> (8 - bits * (x % per_byte + 1)) & ((1 << bits) - 1)
                colour = palette[index]
            row.append(None if transparent else colour)
        rows.append(row)
    return width, height, rows


def blend(a, b, t):
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def draw(icon_data):
    fitting = [image for image in icon_images(icon_data) if image[0] <= LARGEST_ICON]
    width, height, icon = max(fitting or icon_images(icon_data), key=lambda image: image[0])
    scale = max(1, LARGEST_ICON // width)
    px = [[blend(TOP, BOTTOM, y / (HEIGHT - 1))] * WIDTH for y in range(HEIGHT)]
    left, top = (WIDTH - width * scale) // 2, 40
    for y in range(height * scale):
        for x in range(width * scale):
            colour = icon[y // scale][x // scale]
            if colour:
                px[top + y][left + x] = colour
    draw_cell(px, WIDTH // 2, top + height * scale + 50)
    return px


def draw_cell(px, centre_x, top):
    """A full Braille cell: dots 1-3 down the left column, 4-6 down the right."""
    pitch, radius = 22, 7.5
    for column in (-0.5, 0.5):
        for row in range(3):
            cx, cy = centre_x + column * pitch, top + row * pitch
            for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
                for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                    inside = sum(((x + (i + 0.5) / 4 - cx) ** 2 + (y + (j + 0.5) / 4 - cy) ** 2)
                                 <= radius * radius for i in range(4) for j in range(4))
                    px[y][x] = blend(px[y][x], WHITE, inside / 16)


def bmp_bytes(px):
    pixels = bytearray()
    for row in reversed(px):
        line = b"".join(bytes(reversed(p)) for p in row)
        pixels += line + b"\0" * (-len(line) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, len(px[0]), len(px), 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def main(icon_path, out_path):
    with open(icon_path, "rb") as icon:
        picture = bmp_bytes(draw(icon.read()))
    with open(out_path, "wb") as out:
        out.write(picture)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
