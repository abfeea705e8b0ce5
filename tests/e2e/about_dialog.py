#!/usr/bin/env python3
"""The About dialog as a person opens it: from the "Aide" menu with the mouse, and
with Alt+A then P. It must show the banner, the icon, the texts, the etched groove
(a black line over a white one) and OK; the main window takes no input meanwhile.
OK, Return and Alt+F4 close it; Escape does not.

Extra argument: --artifacts DIR, where the picture of the dialog is kept.
"""

import os
import struct
import subprocess

import e2e
import screen
from sixpointe_window import MainWindow, artifacts_dir

DIALOG = "A propos de..."
BANNER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res",
                      "Banner.bmp")
BANNER_SIZE = (294, 77)
CLIENT_SIZE = (294, 268)
GROOVE = (86, 280, 162)  # first and last x, y of the black line; the white one below
# Text rows of the dialog's client area (left, top, right, bottom) that must hold ink:
# product name, version, copyright, the two memory lines.
TEXT_ROWS = [(88, 96, 200, 112), (88, 120, 200, 133), (88, 136, 200, 149),
             (86, 173, 280, 186), (86, 193, 280, 206)]
ICON = (23, 95, 57, 129)


def read_bmp(path):
    """A bottom-up 8-bit BMP, run-length encoded (BI_RLE8) with its palette, as an Image."""
    with open(path, "rb") as f:
        blob = f.read()
    offset = struct.unpack_from("<I", blob, 10)[0]
    header, width, height = struct.unpack_from("<Iii", blob, 14)
    bits, compression = struct.unpack_from("<HI", blob, 28)
    colours = struct.unpack_from("<I", blob, 46)[0] or 256
    assert (bits, compression) == (8, 1), "an 8-bit run-length encoded bitmap"
    palette = [bytes((blob[at + 2], blob[at + 1], blob[at]))
               for at in range(14 + header, 14 + header + 4 * colours, 4)]
    pixels = [[b"\0\0\0"] * width for _ in range(height)]
    x, row, at = 0, 0, offset
    while at + 1 < len(blob):
        count, value = blob[at], blob[at + 1]
        at += 2
        if count:
            for _ in range(count):
                pixels[row][x] = palette[value]
                x += 1
        elif value == 0:
            x, row = 0, row + 1
        elif value == 1:
            break
        elif value == 2:
            x, row, at = x + blob[at], row + blob[at + 1], at + 2
        else:
            for i in range(value):
                pixels[row][x] = palette[blob[at + i]]
                x += 1
            at += (value + 1) // 2 * 2
    return screen.Image(width, height, b"".join(b"".join(r) for r in reversed(pixels)))


def capture_window(name):
    """The dialog as its own X window holds it. Wine's popups show black in
    screenshots of the root window on a server without a compositor."""
    xid = e2e.xdotool("search", "--name", e2e.ere_exact(name)).split()[0]
    xwd = subprocess.run(["xwd", "-id", xid, "-silent"], capture_output=True, check=True,
                         timeout=60)
    ppm = subprocess.run([screen.CONVERT, "xwd:-", "-depth", "8", "ppm:-"], input=xwd.stdout,
                         capture_output=True, check=True, timeout=60)
    return screen.parse_ppm(ppm.stdout)


class Dialog:
    def __init__(self, window):
        self.window = window
        self.windows = e2e.wait_until(lambda: window.probe.windows(DIALOG), 10,
                                      "the About dialog")
        kinds = {w.kind: w for w in self.windows}
        self.frame, self.client = kinds["top"].rect, kinds["client"].rect

    def ok(self):
        found = [w for w in self.windows if w.kind == "child" and w.cls == "Button"]
        e2e.check(len(found) == 1 and found[0].text == "OK",
                  f"the dialog's one button should be OK: {found}")
        return found[0]

    def picture(self):
        """The client area, as painted, once the groove has settled."""
        def painted():
            image = capture_window(DIALOG)
            left, top = self.client.left - self.frame.left, self.client.top - self.frame.top
            client = image.crop(left, top, left + CLIENT_SIZE[0], top + CLIENT_SIZE[1])
            return client if groove_faults(client) == [] else None
        return e2e.wait_until(painted, 10, "the dialog to paint its groove")


def groove_faults(client):
    first, last, y = GROOVE
    faults = []
    for x in (first, (first + last) // 2, last):
        if client.pixel(x, y) != (0, 0, 0):
            faults.append(f"({x}, {y}) is {client.pixel(x, y)}, not black")
        if client.pixel(x, y + 1) != (255, 255, 255):
            faults.append(f"({x}, {y + 1}) is {client.pixel(x, y + 1)}, not white")
    if client.pixel(last + 1, y) == (0, 0, 0):
        faults.append(f"the black line goes on past x = {last}")
    return faults


def check_picture(client):
    banner = read_bmp(BANNER)
    e2e.check((banner.width, banner.height) == BANNER_SIZE, "the banner is not 294 x 77")
    shown = client.crop(0, 0, *BANNER_SIZE)
    differing = sum(1 for i in range(0, len(shown.data), 3)
                    if max(abs(a - b) for a, b in zip(shown.data[i:i + 3], banner.data[i:i + 3])) > 8)
    e2e.check(differing < 0.01 * BANNER_SIZE[0] * BANNER_SIZE[1],
              f"{differing} pixels of the banner area differ from Banner.bmp")
    for left, top, right, bottom in TEXT_ROWS + [ICON]:
        ink = sum(1 for y in range(top, bottom) for x in range(left, right)
                  if max(client.pixel(x, y)) <= screen.DARK)
        e2e.check(ink >= 20, f"no text or icon in ({left}, {top}, {right}, {bottom})")
    e2e.check(groove_faults(client) == [], f"groove: {groove_faults(client)}")


def main_enabled(window):
    return window.window("top").enabled


def dialog_open(window):
    return bool(window.probe.windows(DIALOG))


def wait_closed(window):
    e2e.wait_until(lambda: not dialog_open(window), 10, "the dialog to close")
    e2e.wait_until(lambda: main_enabled(window), 10, "the main window to take input again")


def open_with_mouse(window):
    """Clicks "Aide" in the menu bar, then the last item of its menu."""
    client = window.window("client").rect
    window.click_at(client.left + 112, client.top - 10)
    menu = e2e.wait_until(lambda: [w for w in window.probe.top_level() if w.cls == "#32768"],
                          10, "the Aide menu")[0].rect
    window.click_at(menu.left + 30, menu.bottom - 12)


def main(args):
    artifacts = artifacts_dir(args)
    with MainWindow(args) as window:
        window.wait(page="Apprentissage")

        open_with_mouse(window)
        dialog = Dialog(window)
        e2e.check(not main_enabled(window), "the main window takes input under the dialog")
        client = dialog.picture()
        client.save_png(os.path.join(artifacts, "about-dialog.png"))
        check_picture(client)
        print(f"About dialog: {os.path.join(artifacts, 'about-dialog.png')}")
        window.click_at(*dialog.ok().rect.centre)
        wait_closed(window)

        # The keyboard way, twice: Escape leaves it open, Return presses OK;
        # then Alt+F4 closes it as the close box would.
        for closing in ("Return", "alt+F4"):
            window.key("alt+a", "p")
            Dialog(window).picture()
            if closing == "Return":
                # Had Escape closed the dialog, the letter typed next would land in the
                # field below it. Keys are handled in order, so once Return has closed
                # the dialog the letter has been handled too.
                window.key("Escape")
                window.type("x")
            window.key(closing)
            wait_closed(window)
            if closing == "Return":
                e2e.check(window.look(["learning_field"]) == {"learning_field": ""},
                          "Escape closed the dialog: the next key reached the main window")

        window.key("alt+F4")
        e2e.check(window.wait_end() == 0, "the program ended with a failure")


if __name__ == "__main__":
    e2e.run(main)
