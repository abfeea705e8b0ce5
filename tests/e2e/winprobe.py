"""The windows of another program as winprobe.exe reports them (see winprobe.cpp)."""

import re
import subprocess
import tempfile
from dataclasses import dataclass

_UNESCAPE = {"\\": "\\", "t": "\t", "r": "\r", "n": "\n"}


@dataclass(frozen=True)
class Rect:
    left: int
    top: int
    right: int
    bottom: int

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def centre(self):
        return ((self.left + self.right) // 2, (self.top + self.bottom) // 2)


@dataclass(frozen=True)
class Window:
    kind: str  # "top", "client" or "child"
    hwnd: int
    parent: int
    cls: str
    text: str
    id: int
    visible: bool
    enabled: bool
    rect: Rect  # screen coordinates


def parse_line(line):
    fields = line.split("\t")
    if len(fields) != 12:
        raise ValueError(f"winprobe line with {len(fields)} fields: {line!r}")
    kind, hwnd, parent, cls, text, id_, visible, enabled = fields[:8]
    text = re.sub(r"\\(.)", lambda m: _UNESCAPE[m.group(1)], text)
    return Window(kind, int(hwnd, 16), int(parent, 16), cls, text, int(id_), visible == "1",
                  enabled == "1", Rect(*map(int, fields[8:])))


class WinProbe:
    """Runs winprobe.exe under Wine in the current session."""

    def __init__(self, exe):
        self.exe = exe

    def _run(self, *args):
        # Output through a file, not a pipe: a Wine service started on the way
        # could hold a pipe open and leave us waiting.
        with tempfile.TemporaryFile() as out:
            done = subprocess.run(["wine", self.exe, *args], stdin=subprocess.DEVNULL,
                                  stdout=out, stderr=subprocess.DEVNULL, timeout=60)
            out.seek(0)
            text = out.read().decode("utf-8")
        if done.returncode not in (0, 1):
            raise RuntimeError(f"winprobe {' '.join(args)} failed with {done.returncode}")
        return done.returncode == 0, [parse_line(l) for l in text.splitlines() if l]

    def windows(self, caption):
        """The window with that caption ("top", "client") and its children; [] if none."""
        return self._run(caption)[1]

    def top_level(self):
        """Every visible top-level window."""
        return self._run("--list")[1]

    def close(self, caption):
        """Posts WM_CLOSE to the window; False when there is no such window."""
        return self._run("--close", caption)[0]
