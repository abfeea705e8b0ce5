"""Sixpointe's main window as a person meets it: where its fields, cells, dots, buttons,
tabs and tool buttons are on the screen, what the screen and the fields show, and the
clicks that reach its commands. Places come from the window's layout (pixels at 96
dpi, which the virtual desktop uses) measured from the windows that winprobe reports.
"""

import argparse
import os
import subprocess
from collections import Counter

import e2e

CAPTION = "Sixpointe 1.0 - L'alphabet Braille pour les voyants"

# Group boxes, by caption: they hold the fields and the cells.
LEARNING_FIELD = "Alphanumérique : "
LEARNING_CELLS = "Alphabet Braille : "
WORKSHOP = "Atellier Braille (Effacer les points indésirables et valider) : "
QUESTION = "Question : "
ANSWER = "Réponse : "

PAGES = ("Apprentissage", "Evaluation")

# Dot n of a cell: top-left corner in its panel; each dot is a 25 x 25 disc.
DOT_CORNERS = {1: (24, 16), 2: (24, 48), 3: (24, 80), 4: (72, 16), 5: (72, 48), 6: (72, 80)}
DOT_SIZE = 25

# Left edge of each tool button in the tool bar; buttons are 23 x 22.
TOOL_BUTTONS = {"Nouveau": 0, "Apprentissage": 31, "Evaluation": 54, "Aide": 85,
                "Quitter": 108}

# Middle of each tab from the tab control's top-left corner. The tabs are as wide as
# their Tahoma 8 captions: about 84 and 60 pixels, 20 high.
TABS = {"Apprentissage": (43, 10), "Evaluation": (115, 10)}

# The verdict label's rectangle (left, top, width, height) in the group box "Réponse : ".
VERDICT_LABEL = (16, 88, 153, 13)
VERDICT_COLOURS = {"green": (0, 128, 0), "red": (255, 0, 0), "navy": (0, 0, 128)}
VERDICT_MIN_PIXELS = 50  # the shortest verdict text has some 200 pixels of ink

# A point of the bare desktop: the pointer rests there between clicks, so that no
# tool tip covers what the tests look at.
PARKING = (4, 4)


def artifacts_dir(args):
    """The directory given by --artifacts among the test's extra arguments, created."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--artifacts", required=True)
    directory = os.path.abspath(parser.parse_args(args.extra).artifacts)
    os.makedirs(directory, exist_ok=True)
    return directory


def dot_centre(panel, dot):
    left, top = DOT_CORNERS[dot]
    return panel.rect.left + left + DOT_SIZE // 2, panel.rect.top + top + DOT_SIZE // 2


def read_cell(image, panel):
    """The raised dots of the cell drawn in that panel, e.g. "46"."""
    return "".join(str(dot) for dot in DOT_CORNERS
                   if e2e.dot_present(image, *dot_centre(panel, dot)))


def read_verdict(image, answer_box):
    """The verdict label's ink: "empty", the one colour it is written in ("green",
    "red", "navy"), or a description of the colours found."""
    left, top, width, height = VERDICT_LABEL
    counts = Counter(image.pixel(x, y)
                     for y in range(answer_box.top + top, answer_box.top + top + height)
                     for x in range(answer_box.left + left, answer_box.left + left + width))
    paper, paper_count = counts.most_common(1)[0]
    ink = sum(counts.values()) - paper_count
    if ink == 0:
        return "empty"
    for name, colour in VERDICT_COLOURS.items():
        if counts[colour] == ink >= VERDICT_MIN_PIXELS:
            return name
    return f"{ink} pixels of ink on {paper}: {counts.most_common(4)[1:]}"


def wait_for(probe, expected, what, timeout=10):
    """Polls probe() until it gives `expected`; a failure names the last value seen."""
    seen = []

    def settled():
        seen[:] = [probe()]
        return seen[0] == expected

    try:
        e2e.wait_until(settled, timeout, what)
    except AssertionError as error:
        last = f"{seen[0]!r}" if seen else "nothing"
        raise AssertionError(f"{error}; expected {expected!r}, last seen {last}") from None


def group(windows, caption):
    found = [w for w in windows
             if w.kind == "child" and w.cls == "SixpointeWindow" and w.text == caption]
    e2e.check(len(found) == 1, f"{len(found)} group boxes {caption!r}")
    return found[0]


def in_group(windows, caption, cls, count):
    """The `count` windows of a class in a group box, from left to right."""
    parent = group(windows, caption).hwnd
    found = sorted((w for w in windows if w.parent == parent and w.cls == cls),
                   key=lambda w: w.rect.left)
    e2e.check(len(found) == count, f"{len(found)} windows {cls!r} in {caption!r}")
    return found


def only(windows, cls, text=None):
    found = [w for w in windows if w.kind == "child" and w.cls == cls
             and (text is None or w.text == text)]
    e2e.check(len(found) == 1, f"{len(found)} windows {cls!r} {text or ''}")
    return found[0]


def shown_page(windows):
    shown = [w.text for w in windows
             if w.cls == "SixpointeWindow" and w.text in PAGES and w.visible]
    return shown[0] if len(shown) == 1 else f"pages shown: {shown}"


class _Anything:
    def __eq__(self, other):
        return True

    def __repr__(self):
        return "anything"


ANYTHING = _Anything()  # an expected value that any value matches

# What the tests can ask of the window: the text of a field (read by winprobe), the
# dots of two cells (seen on the screen), the verdict, the page and the buttons.
FIELDS = {"learning_field": LEARNING_FIELD, "question": QUESTION, "answer": ANSWER}
CELL_GROUPS = {"learning_cells": LEARNING_CELLS, "workshop": WORKSHOP}
BUTTONS = {"valider": "&Valider", "effacer": "&Effacer"}  # value: enabled or not
SEEN_ON_SCREEN = set(CELL_GROUPS) | {"verdict"}


class MainWindow(e2e.Program):
    """The running program. Its window has a fixed size and stays put, so the places
    of its controls are read once (`layout`) and their contents on every look."""

    def __init__(self, args, parameters=()):
        super().__init__(args.program, CAPTION, args.winprobe, parameters)
        self._layout = None

    @property
    def layout(self):
        if self._layout is None:
            self._layout = self.windows()
        return self._layout

    def cells(self, caption):
        """The panels of the two cells of that group box: first, second."""
        return in_group(self.layout, caption, "SixpointeWindow", 2)

    # --- looking ---

    def look(self, keys):
        """What the window shows now for each key: one winprobe run and one screenshot
        at most, so that all the values belong to the same moment."""
        windows = self.windows() if set(keys) - SEEN_ON_SCREEN else None
        image = self.screenshot() if set(keys) & SEEN_ON_SCREEN else None
        return {key: self._read(key, windows, image) for key in keys}

    def _read(self, key, windows, image):
        if key in FIELDS:
            return in_group(windows, FIELDS[key], "Edit", 1)[0].text
        if key in CELL_GROUPS:
            return tuple(read_cell(image, panel) for panel in self.cells(CELL_GROUPS[key]))
        if key in BUTTONS:
            return only(windows, "Button", BUTTONS[key]).enabled
        if key == "verdict":
            return read_verdict(image, group(self.layout, ANSWER).rect)
        if key == "page":
            return shown_page(windows)
        raise KeyError(key)

    def wait(self, timeout=10, **expected):
        """Waits until the window shows all that is expected, e.g. wait(page="Evaluation",
        workshop=("46", "1"), verdict="green"); gives what it showed last."""
        seen = {}

        def looked():
            seen.update(self.look(expected))
            return seen
        wait_for(looked, expected, "the main window to show it", timeout)
        return dict(seen)

    def save_window(self, path):
        """Keeps the main window, as the screen shows it now, as a PNG file."""
        frame = self.window("top").rect
        image = self.screenshot()
        image.crop(frame.left, frame.top, frame.right, frame.bottom).save_png(path)
        return path

    def wait_end(self, timeout=15):
        """The program's exit code, once it has ended."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program still runs {timeout} s later") from None

    # --- acting as a person ---

    def park_pointer(self):
        e2e.xdotool("mousemove", *PARKING)

    def click_at(self, x, y):
        """A click at a point of the screen; then the pointer goes out of the way."""
        e2e.xdotool("mousemove", x, y, "click", 1)
        self.park_pointer()

    def click_tool_button(self, hint):
        toolbar = only(self.layout, "ToolbarWindow32").rect
        self.click_at(toolbar.left + TOOL_BUTTONS[hint] + 11, toolbar.top + 11)

    def click_tab(self, page):
        tabs = only(self.layout, "SysTabControl32").rect
        dx, dy = TABS[page]
        self.click_at(tabs.left + dx, tabs.top + dy)

    def click_button(self, key):
        self.click_at(*only(self.layout, "Button", BUTTONS[key]).rect.centre)

    def lower_dots(self, dots):
        """Clicks the dots of the workshop: dots[0] in the first cell, dots[1] in the second."""
        for panel, cell in zip(self.cells(WORKSHOP), dots):
            for dot in cell:
                e2e.xdotool("mousemove", *dot_centre(panel, int(dot)), "click", 1)
        self.park_pointer()
