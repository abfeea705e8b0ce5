#!/usr/bin/env python3
"""A whole session with Sixpointe, with the keyboard and the mouse only: a character on
the Learning page, the pages switched by tool button, menu, tab and Ctrl+Tab, then three
questions of the Evaluation page answered by clicking dots away: rightly (green verdict),
with another character (red) and with no character at all (navy). Ends by Fichier > Quitter.

The question is drawn at random, so the answers come from the tests' own table of all
103 characters. Extra argument: --artifacts DIR, where the picture of the page is kept.
"""

import os

import e2e
from braille_cells import CELLS, lowered, other_character
from sixpointe_window import ANYTHING, MainWindow, artifacts_dir

FULL = ("123456", "123456")
EMPTY = ("", "")


def new_question(window):
    """Waits for a fresh question: every dot raised, no answer, no verdict, Valider alone
    enabled. Gives the question."""
    question = window.wait(workshop=FULL, answer="", verdict="empty", valider=True,
                           effacer=False, question=ANYTHING)["question"]
    e2e.check(question in CELLS, f"the question {question!r} is no known character")
    return question


def write(window, cells):
    """Lowers the workshop's dots that are not in `cells`, then presses Valider."""
    window.lower_dots(lowered(cells))
    window.wait(workshop=cells)
    window.click_button("valider")


def judged(window, read, colour):
    """Waits for the verdict: `read` in the answer field, the verdict in `colour`,
    Effacer alone enabled."""
    window.wait(answer=read, verdict=colour, valider=False, effacer=True)


def switch_pages(window):
    window.type("b")
    window.wait(learning_field="b", learning_cells=("", "12"))

    window.click_tool_button("Evaluation")
    window.wait(page="Evaluation")
    new_question(window)

    window.key("alt+n", "a")  # Fenêtre > Mode Apprentissage: the page comes back cleared
    window.wait(page="Apprentissage", learning_field="", learning_cells=EMPTY)
    window.type("9")  # with the focus in the field
    window.wait(learning_field="9", learning_cells=("6", "246"))

    window.click_tab("Evaluation")
    window.wait(page="Evaluation")

    window.key("ctrl+Tab")  # round the two pages, from the tabs and from the field
    window.wait(page="Apprentissage", learning_field="", learning_cells=EMPTY)
    window.key("ctrl+shift+Tab")
    window.wait(page="Evaluation")


def main(args):
    artifacts = artifacts_dir(args)
    with MainWindow(args) as window:
        window.wait(page="Apprentissage", learning_field="", learning_cells=EMPTY)
        switch_pages(window)

        # Asking for the page already shown keeps the answer being written.
        question = new_question(window)
        window.lower_dots(lowered(CELLS[question]))
        window.wait(workshop=CELLS[question])
        window.click_tool_button("Evaluation")
        window.click_button("valider")
        judged(window, question, "green")
        picture = window.save_window(os.path.join(artifacts, "evaluation-page.png"))
        print(f"Evaluation page, {question!r} answered rightly: {picture}")

        # Another character, which differs from the question by its prefix where it can.
        window.click_button("effacer")
        question = new_question(window)
        wrong = other_character(question)
        write(window, CELLS[wrong])
        judged(window, wrong, "red")
        print(f"{question!r} answered with {wrong!r}: wrong, in red")

        # Every dot lowered writes no character: the answer field stays empty.
        window.click_button("effacer")
        new_question(window)
        write(window, EMPTY)
        judged(window, "", "navy")

        window.click_button("effacer")
        new_question(window)

        window.key("alt+f", "q")  # Fichier > Quitter
        e2e.check(window.wait_end() == 0, "the program ended with a failure")


if __name__ == "__main__":
    e2e.run(main)
