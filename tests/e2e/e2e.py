"""Drives a Windows program under Wine as a person would, for the end-to-end tests.

The tests run inside the session that scripts/test opens: DISPLAY names its
virtual X display and WINEPREFIX its Wine prefix. Wine's virtual desktop sits at
the origin of the X root, so Windows screen coordinates are X root coordinates.

A test is a script that calls run(main): main(args) gets args.program, args.winprobe
and, in args.extra, whatever else its registration passed.
"""

import argparse
import os
import re
import subprocess
import sys
import time
import traceback

import keyboard
import screen
from screen import Image, classify, dot_present, screenshot  # noqa: F401 (re-exported)
from winprobe import Rect, Window, WinProbe  # noqa: F401 (re-exported)

KEY_DELAY_MS = 30


def require_session():
    missing = [name for name in ("DISPLAY", "WINEPREFIX") if not os.environ.get(name)]
    if missing:
        raise SystemExit(f"{' and '.join(missing)} not set: the end-to-end tests run in "
                         "the Wine session of scripts/test")


def xdotool(*args, timeout=30):
    done = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                          check=True, timeout=timeout)
    return done.stdout


def ere_exact(text):
    """A POSIX extended regular expression that matches exactly `text`."""
    return "^" + re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", text) + "$"


def wait_until(condition, timeout, what):
    """Polls `condition` until it gives a true value, which it returns.

    An AssertionError from `condition` counts as "not yet" until the time is up.
    """
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
            if value:
                return value
            failure = AssertionError(f"gave up after {timeout} s waiting for {what}")
        except AssertionError as error:
            failure = error
        if time.monotonic() > deadline:
            raise failure
        time.sleep(0.1)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class Program:
    """One run of a Windows program, reached through its main window's caption.

    As a context manager it starts the program, waits for its window and makes
    sure the program is gone afterwards.
    """

    def __init__(self, exe, caption, winprobe, args=()):
        self.exe = exe
        self.caption = caption
        self.probe = WinProbe(winprobe)
        self.args = list(args)
        self.process = None
        self.xid = None
        self._origin = None

    def __enter__(self):
        self.start()
        self.wait_window()
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            save_failure_screen()  # while the program still shows what went wrong
        self.stop()

    def start(self):
        cwd = os.path.dirname(os.path.abspath(self.exe)) if os.sep in self.exe else None
        self.process = subprocess.Popen(["wine", self.exe, *self.args], cwd=cwd,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_window(self, timeout=30):
        """The X window of the main window, once it exists."""
        search = subprocess.Popen(["xdotool", "search", "--sync", "--name",
                                   ere_exact(self.caption)],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            deadline = time.monotonic() + timeout
            while search.poll() is None:
                if not self.running():
                    raise AssertionError(f"{self.exe} ended before showing {self.caption!r}")
                if time.monotonic() > deadline:
                    raise AssertionError(f"no window {self.caption!r} after {timeout} s")
                time.sleep(0.05)
            self.xid = int(search.stdout.read().split()[0])
            return self.xid
        finally:
            if search.poll() is None:
                search.kill()
            search.wait()
            search.stdout.close()

    def geometry(self):
        """Where X has the main window, as a Rect of root coordinates.

        From xwininfo: `xdotool getwindowgeometry` counts the offset of a window
        inside Wine's desktop window twice.
        """
        info = subprocess.run(["xwininfo", "-id", str(self.xid)], capture_output=True,
                              text=True, check=True, timeout=30).stdout
        field = {k.strip(): v.strip() for k, v in
                 (line.split(":", 1) for line in info.splitlines() if ":" in line)}
        x, y = int(field["Absolute upper-left X"]), int(field["Absolute upper-left Y"])
        return Rect(x, y, x + int(field["Width"]), y + int(field["Height"]))

    # --- what Windows says about the windows ---

    def windows(self):
        """The main window ("top", "client") and every child window, as winprobe sees them."""
        return self.probe.windows(self.caption)

    def window(self, kind):
        found = [w for w in self.windows() if w.kind == kind]
        check(found, f"winprobe finds no window {self.caption!r}")
        return found[0]

    def control(self, cls=None, text=None, id=None):
        """The one child window with that class, text and/or control id."""
        found = [w for w in self.windows() if w.kind == "child"
                 and (cls is None or w.cls == cls)
                 and (text is None or w.text == text)
                 and (id is None or w.id == id)]
        check(len(found) == 1, f"{len(found)} controls with class {cls!r}, text {text!r}, "
                               f"id {id!r}")
        return found[0]

    def client_origin(self):
        """Screen position of the client area's top-left corner (past Wine's frame)."""
        if self._origin is None:
            rect = self.window("client").rect
            self._origin = (rect.left, rect.top)
        return self._origin

    def to_screen(self, x, y):
        left, top = self.client_origin()
        return (left + x, top + y)

    # --- acting as a person ---

    def click(self, x, y, button=1):
        """A mouse click at (x, y) of the client area."""
        # No --sync: it waits for ever when the pointer is already there, and the
        # server handles the move before the click anyway.
        xdotool("mousemove", *self.to_screen(x, y), "click", button)

    def click_window(self, window, button=1):
        """A mouse click in the middle of a window that winprobe reported."""
        xdotool("mousemove", *window.rect.centre, "click", button)

    def type(self, text):
        """Types the text with real keys: ASCII and what keyboard.py puts on keys."""
        missing = sorted({c for c in text if not keyboard.typeable(c)})
        if missing:
            raise ValueError(f"no key types {''.join(missing)!r}: add it to keyboard.py")
        xdotool("type", "--delay", KEY_DELAY_MS, "--", text)

    def key(self, *keys):
        """Key presses by X key name: "Return", "BackSpace", "alt+f"."""
        xdotool("key", "--delay", KEY_DELAY_MS, "--", *keys)

    # --- looking at the screen ---

    def screenshot(self):
        return screenshot()

    def client_pixel(self, image, x, y):
        return image.pixel(*self.to_screen(x, y))

    def dot_present(self, image, x, y):
        """Whether a black dot is centred on (x, y) of the client area (white: False)."""
        return dot_present(image, *self.to_screen(x, y))

    # --- ending ---

    def close(self, timeout=15):
        """Closes the main window as the close box would; the program's exit code."""
        check(self.probe.close(self.caption), f"no window {self.caption!r} to close")
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{self.exe} still runs {timeout} s after WM_CLOSE")

    def stop(self):
        """Makes sure the program is gone, however the test ended."""
        if self.running():
            self.process.kill()
            self.process.wait(15)


def parse_args(argv=None):
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the Windows program to drive")
    parser.add_argument("--winprobe", required=True, help="winprobe.exe of the build")
    args, args.extra = parser.parse_known_args(argv)
    return args


_failure_screen_saved = False


def save_failure_screen():
    """Keeps the screen as <test>-failure.png in the working directory, once."""
    global _failure_screen_saved
    if _failure_screen_saved:
        return
    _failure_screen_saved = True
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    path = os.path.abspath(f"{name}-failure.png")
    try:
        screen.screenshot().save_png(path)
        print(f"screen at the failure: {path}", file=sys.stderr)
    except (OSError, subprocess.SubprocessError) as error:
        print(f"no screenshot: {error}", file=sys.stderr)


def run(main):
    """Runs a test's main(args): exit status 0 when it returns, 1 when it raises."""
    args = parse_args()
    require_session()
    keyboard.install()
    try:
        main(args)
    except Exception:  # every failure is reported the same way, with the screen
        save_failure_screen()
        traceback.print_exc()
        sys.exit(1)
    print(f"{os.path.basename(sys.argv[0])}: passed")
