#!/usr/bin/env python3
"""PrintWindow draws Sixpointe's windows as the screen shows them: the main window on
the Learning page with a character typed, on the Evaluation page with dots lowered,
and the About dialog.

Wine's WM_PRINT draws no window frame (its DefWindowProc ignores PRF_NONCLIENT),
whatever the program: so only client areas are compared, and in them the sunken edge
of each field, which is the field's frame, is left out.
A caret blinks in the focused field on screen and never comes out in a print, so the
two pictures are taken again until they meet, a blink later at most.

Extra argument: --artifacts DIR, where the pictures of the last comparison are kept.
"""

import os
import subprocess
import tempfile

import e2e
import screen
from about_dialog import DIALOG, capture_window, open_with_mouse, wait_closed
from sixpointe_window import MainWindow, artifacts_dir

# Two pictures meet when no channel of any pixel differs by more than this.
TOLERANCE = 0
# Width of a field's sunken edge (WS_EX_CLIENTEDGE: SM_CXEDGE pixels at 96 dpi).
EDGE = 2


def printed(window, caption):
    """The window with that caption as PrintWindow draws it, frame included."""
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "print.ppm")
        done = subprocess.run(["wine", window.probe.exe, "--print", caption,
                               "Z:" + path.replace("/", "\\")],
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=60)
        e2e.check(done.returncode == 0, f"winprobe --print {caption!r} failed: {done.returncode}")
        with open(path, "rb") as f:
            return screen.parse_ppm(f.read())


def differences(first, second):
    """The pixels where two pictures of one size differ: count and bounding box."""
    count, box = 0, None
    for y in range(first.height):
        row = y * first.width * 3
        a = first.data[row:row + first.width * 3]
        b = second.data[row:row + first.width * 3]
        if a == b:
            continue
        for x in range(first.width):
            if max(abs(p - q) for p, q in zip(a[x * 3:x * 3 + 3], b[x * 3:x * 3 + 3])) > TOLERANCE:
                count += 1
                box = (x, y, x, y) if box is None else (
                    min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y))
    return count, box


def without_edges(image, rects):
    """The picture with the edges of those rectangles (left, top, right, bottom) painted
    over in one colour."""
    data = bytearray(image.data)
    for left, top, right, bottom in rects:
        for y in range(max(top, 0), min(bottom, image.height)):
            inside_rows = top + EDGE <= y < bottom - EDGE
            for x in range(max(left, 0), min(right, image.width)):
                if inside_rows and left + EDGE <= x < right - EDGE:
                    continue
                i = (y * image.width + x) * 3
                data[i:i + 3] = b"\xff\x00\xff"
    return screen.Image(image.width, image.height, bytes(data))


def field_frames(windows, left, top):
    """The frames of the fields, relative to the client area at (left, top) of the frame."""
    frame = next(w.rect for w in windows if w.kind == "top")
    return [(w.rect.left - frame.left - left, w.rect.top - frame.top - top,
             w.rect.right - frame.left - left, w.rect.bottom - frame.top - top)
            for w in windows if w.kind == "child" and w.cls == "Edit" and w.visible]


def client_in_frame(windows):
    """The client area's rectangle in frame coordinates, from winprobe's report."""
    kinds = {w.kind: w.rect for w in windows}
    frame, client = kinds["top"], kinds["client"]
    return (client.left - frame.left, client.top - frame.top,
            client.right - frame.left, client.bottom - frame.top)


def compare(name, caption, windows, on_screen, artifacts, window):
    """Waits until the print of the window's client area equals the screen's."""
    left, top, right, bottom = client_in_frame(windows)
    fields = field_frames(windows, left, top)
    last = {}

    def same():
        shown = without_edges(on_screen().crop(left, top, right, bottom), fields)
        drawn = without_edges(printed(window, caption).crop(left, top, right, bottom), fields)
        last.update(shown=shown, drawn=drawn)
        count, box = differences(shown, drawn)
        e2e.check(count == 0, f"{name}: the print differs from the screen in {count} pixels, "
                              f"within {box} of the client area")
        return True

    try:
        e2e.wait_until(same, 10, f"the print of {name} to equal the screen")
    finally:
        if last:
            last["shown"].save_png(os.path.join(artifacts, f"printed-{name}-screen.png"))
            last["drawn"].save_png(os.path.join(artifacts, f"printed-{name}-print.png"))
    print(f"{name}: the print equals the screen ({right - left} x {bottom - top})")


def main_window_on_screen(window):
    frame = window.window("top").rect
    return lambda: window.screenshot().crop(frame.left, frame.top, frame.right, frame.bottom)


def main(args):
    artifacts = artifacts_dir(args)
    with MainWindow(args) as window:
        window.wait(page="Apprentissage")
        window.park_pointer()
        window.type("A")
        window.wait(learning_field="A", learning_cells=("46", "1"))
        compare("learning", window.caption, window.windows(), main_window_on_screen(window),
                artifacts, window)

        window.click_tool_button("Evaluation")
        window.wait(page="Evaluation")
        window.lower_dots(("123", "46"))
        window.wait(workshop=("456", "1235"))
        compare("evaluation", window.caption, window.windows(), main_window_on_screen(window),
                artifacts, window)

        open_with_mouse(window)
        dialog = e2e.wait_until(lambda: window.probe.windows(DIALOG), 10, "the About dialog")
        compare("about", DIALOG, dialog, lambda: capture_window(DIALOG), artifacts, window)
        window.key("Return")
        wait_closed(window)

        window.key("alt+F4")
        e2e.check(window.wait_end() == 0, "the program ended with a failure")


if __name__ == "__main__":
    e2e.run(main)
