#!/usr/bin/env python3
"""The Learning page of Sixpointe, as a person uses it with the keyboard: each typed
character appears in Braille in the two cells at once, Backspace and the Nouveau tool
button clear the page, asking for the page already shown leaves it alone, and Alt+F4
ends the program.

Extra argument: --artifacts DIR, where the picture of the page is kept.
"""

import os

import e2e
from sixpointe_window import MainWindow, artifacts_dir

CLEARED = ("", "")


def shows(window, text, cells):
    """Waits for the field to hold `text` and the two cells to show `cells`."""
    window.wait(learning_field=text, learning_cells=cells)


def main(args):
    artifacts = artifacts_dir(args)
    with MainWindow(args) as window:
        window.wait(page="Apprentissage", learning_field="", learning_cells=CLEARED)

        # The focus starts in the field: the first keys land there.
        window.type("A")
        shows(window, "A", ("46", "1"))
        picture = window.save_window(os.path.join(artifacts, "learning-page.png"))
        print(f"Learning page showing \"A\": {picture}")

        window.key("BackSpace")
        shows(window, "", CLEARED)

        # "o" alone is a row; with "e" it becomes the two-letter row "oe". Asking for
        # the page already shown, in between, must not clear it.
        window.type("o")
        shows(window, "o", ("", "135"))
        window.key("alt+n", "a")  # Fenêtre > Mode Apprentissage
        window.click_tool_button("Apprentissage")
        window.type("e")
        shows(window, "oe", ("", "246"))

        # A second character that makes no row empties the field; typed again, it counts alone.
        window.key("BackSpace")
        window.type("a")
        shows(window, "a", ("", "1"))
        window.type("b")
        shows(window, "", CLEARED)
        window.type("b")
        shows(window, "b", ("", "12"))

        window.key("BackSpace")
        window.type("é")
        shows(window, "é", ("", "123456"))

        window.click_tool_button("Nouveau")
        shows(window, "", CLEARED)
        window.type("1")  # Nouveau gave the field the focus back
        shows(window, "1", ("6", "16"))

        window.key("alt+F4")
        e2e.check(window.wait_end() == 0, "the program ended with a failure")


if __name__ == "__main__":
    e2e.run(main)
