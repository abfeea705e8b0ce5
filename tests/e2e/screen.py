"""What the screen shows: screenshots of the X display and the reading of their pixels.

Standard library only: xwd takes the picture, ImageMagick turns it into a binary
PPM, and the PPM is read here.
"""

import subprocess

# The real ImageMagick; a stand-in may come first in PATH.
CONVERT = "/usr/bin/convert"

# A channel at or below DARK is black ink, at or above LIGHT is white paper.
DARK = 80
LIGHT = 200


class Image:
    """An RGB picture, 8 bits per channel, rows top to bottom."""

    def __init__(self, width, height, data):
        if len(data) < width * height * 3:
            raise ValueError(f"{len(data)} bytes cannot hold {width}x{height} RGB pixels")
        self.width = width
        self.height = height
        self.data = data

    def pixel(self, x, y):
        """(red, green, blue) at (x, y)."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"({x}, {y}) is outside the {self.width}x{self.height} picture")
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def neighbourhood(self, x, y, radius):
        """The pixels of the square of side 2*radius+1 centred on (x, y)."""
        return [self.pixel(x + dx, y + dy)
                for dy in range(-radius, radius + 1)
                for dx in range(-radius, radius + 1)]

    def crop(self, left, top, right, bottom):
        """The part of the picture from (left, top) up to, not including, (right, bottom)."""
        if not (0 <= left < right <= self.width and 0 <= top < bottom <= self.height):
            raise IndexError(f"({left}, {top}, {right}, {bottom}) is not inside the "
                             f"{self.width}x{self.height} picture")
        rows = [self.data[(y * self.width + left) * 3:(y * self.width + right) * 3]
                for y in range(top, bottom)]
        return Image(right - left, bottom - top, b"".join(rows))

    def save_png(self, path):
        header = f"P6\n{self.width} {self.height}\n255\n".encode()
        subprocess.run([CONVERT, "ppm:-", f"png:{path}"], input=header + self.data,
                       check=True, timeout=60)


def _ppm_fields(blob, count):
    """The first `count` whitespace-separated header fields and where the pixels start."""
    fields, pos = [], 0
    while len(fields) < count:
        while blob[pos:pos + 1].isspace():
            pos += 1
        if blob[pos:pos + 1] == b"#":
            pos = blob.index(b"\n", pos) + 1
            continue
        end = pos
        while not blob[end:end + 1].isspace():
            end += 1
        fields.append(blob[pos:end])
        pos = end
    return fields, pos + 1  # exactly one whitespace byte before the pixels


def parse_ppm(blob):
    """An Image from a binary (P6) PPM with 8-bit channels."""
    (magic, width, height, maxval), start = _ppm_fields(blob, 4)
    if magic != b"P6" or maxval != b"255":
        raise ValueError(f"not an 8-bit binary PPM: {magic!r}, maxval {maxval!r}")
    width, height = int(width), int(height)
    return Image(width, height, blob[start:start + width * height * 3])


def screenshot():
    """The whole X display, as it is now."""
    xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True,
                         timeout=60)
    ppm = subprocess.run([CONVERT, "xwd:-", "-depth", "8", "ppm:-"], input=xwd.stdout,
                         capture_output=True, check=True, timeout=60)
    return parse_ppm(ppm.stdout)


def classify(image, x, y, radius=2, share=0.8):
    """'black' or 'white' when that share of the square around (x, y) is so, else 'mixed'."""
    pixels = image.neighbourhood(x, y, radius)
    dark = sum(1 for p in pixels if max(p) <= DARK)
    light = sum(1 for p in pixels if min(p) >= LIGHT)
    if dark >= share * len(pixels):
        return "black"
    if light >= share * len(pixels):
        return "white"
    return "mixed"


def dot_present(image, x, y):
    """True for a black dot centred on (x, y), False for white paper there.

    Anything else (a half-drawn dot, a grey frame, another window on top) is an
    error rather than an answer, so a test cannot pass by looking at the wrong place.
    """
    state = classify(image, x, y)
    if state == "mixed":
        raise AssertionError(
            f"neither a dot nor white paper at ({x}, {y}): {image.neighbourhood(x, y, 2)}")
    return state == "black"
