#!/usr/bin/env python3
"""The Evaluation page with the keyboard alone, as on a Braille writer: F D S J K L are
dots 1 to 6, pressed together and released as a chord; Space writes an empty cell.
Three questions are answered by keys only (rightly, with another character, with no
character at all), each followed by the next question, without touching the mouse.

Extra argument: --artifacts DIR, where the picture of the page is kept.
"""

import os

import e2e
from braille_cells import CELLS, other_character
from sixpointe_window import ANYTHING, MainWindow, artifacts_dir

FULL = ("123456", "123456")
DOT_KEYS = {"1": "f", "2": "d", "3": "s", "4": "j", "5": "k", "6": "l"}


def new_question(window):
    question = window.wait(workshop=FULL, answer="", verdict="empty", valider=True,
                           effacer=False, question=ANYTHING)["question"]
    e2e.check(question in CELLS, f"the question {question!r} is no known character")
    return question


def chord(cell):
    """The keys of the cell's dots held down together, then released; Space for none."""
    if not cell:
        e2e.xdotool("key", "space")
        return
    keys = [DOT_KEYS[dot] for dot in cell]
    e2e.xdotool("keydown", "--delay", 20, *keys)
    e2e.xdotool("keyup", "--delay", 20, *reversed(keys))


def answer(window, cells, read, colour):
    """Writes both cells by chords, validates with Return, waits for the verdict, then
    starts the next question with Return (the focus is on Effacer by then)."""
    chord(cells[0])
    chord(cells[1])
    window.wait(workshop=cells)
    window.key("Return")
    window.wait(answer=read, verdict=colour, valider=False, effacer=True)
    window.key("Return")
    return new_question(window)


def main(args):
    artifacts = artifacts_dir(args)
    with MainWindow(args) as window:
        window.wait(page="Apprentissage")
        window.key("alt+n", "e")  # Fenêtre > Mode Evaluation
        window.wait(page="Evaluation")
        question = new_question(window)

        # Keys pressed one after the other while one is still held make one chord.
        first, second = CELLS[question]
        if first:
            keys = [DOT_KEYS[dot] for dot in first]
            e2e.xdotool("keydown", keys[0])
            for previous, key in zip(keys, keys[1:]):
                e2e.xdotool("keydown", key, "keyup", previous)
            e2e.xdotool("keyup", keys[-1])
        else:
            chord(first)
        chord(second)
        window.wait(workshop=(first, second))
        window.key("Return")
        window.wait(answer=question, verdict="green", valider=False, effacer=True)
        picture = window.save_window(os.path.join(artifacts, "evaluation-keys.png"))
        print(f"{question!r} written with the keys: {picture}")
        window.key("Return")
        question = new_question(window)

        wrong = other_character(question)
        question = answer(window, CELLS[wrong], wrong, "red")
        answer(window, ("", ""), "", "navy")


if __name__ == "__main__":
    e2e.run(main)
