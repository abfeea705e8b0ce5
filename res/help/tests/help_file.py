"""The compiled help file unpacked as the help window reads it: its pages, its table
of contents, and its chart checked against the tests' own table of the 103 characters.

Usage: help_file.py Sixpointe.chm
"""

import html
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "tests", "e2e"))
from braille_cells import CELLS  # noqa: E402

PAGES = {
    "accueil.htm": ["alphabet Braille", "deux cellules", "Apprentissage", "Evaluation"],
    "apprentissage.htm": ["OE", "Majuscule", "Numérique", "AZERTY", "Alt", "0233", "Retour arrière"],
    "evaluation.htm": ["Réponse correcte !", "Réponse incorrecte !", "Erreur : signe inexistant !",
                       "Effacer", "Valider"],
    "alphabet.htm": ["points 4 6", "point 6", "â", "ê", "î", "ô", "û", "ë", "ï", "ü", "oe"],
    "clavier.htm": ["Alt+A, R", "Ctrl+Tab", "Alt+V", "Alt+E", "Alt+F, Q"],
    "tableau.htm": ["Tableau des 103 caractères"],
}

RAISED, FLAT = "&#9679;", "&#9675;"
ENTRY = re.compile(r'<td class="char">([^<]*)</td><td>(<table class="cell">.*?</table>)</td>'
                   r'<td>(<table class="cell">.*?</table>)</td><td class="dots">([^<]*)</td>')
DISC = re.compile(r"<td>(&#9679;|&#9675;)</td>")


def read_cell(drawn):
    discs = DISC.findall(drawn)
    assert len(discs) == 6, f"a cell of {len(discs)} dots"
    # Drawn row by row: dots 1 4, 2 5, 3 6.
    return "".join(sorted(d for d, disc in zip("142536", discs) if disc == RAISED))


def numbers(cell):
    return " ".join(cell) if cell else "-"


def check_chart(text):
    entries = ENTRY.findall(text)
    assert len(entries) == 103, f"{len(entries)} characters in the chart"
    seen = []
    for char, first, second, dots in entries:
        char = html.unescape(char)
        assert char in CELLS, f"{char!r} is not a character of the alphabet"
        expected = CELLS[char]
        assert (read_cell(first), read_cell(second)) == expected, f"{char!r} drawn wrongly"
        assert dots == f"{numbers(expected[0])} / {numbers(expected[1])}", f"{char!r}: {dots}"
        seen.append(char)
    assert sorted(seen) == sorted(CELLS), "every character once"


def main(chm):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["extract_chmLib", chm, out], check=True, stdout=subprocess.DEVNULL)
        read = lambda name: open(os.path.join(out, name), encoding="cp1252").read()
        for page, phrases in PAGES.items():
            text = html.unescape(read(page))
            for phrase in phrases:
                assert phrase in text, f"{page} lacks {phrase!r}"
            assert "charset=windows-1252" in text, f"{page} does not say its code page"
        toc = read("toc.hhc")
        listed = re.findall(r'name="Local" value="([^"]+)"', toc)
        assert listed == list(PAGES), f"table of contents: {listed}"
        assert "Les règles de l'alphabet" in toc and "Tableau des 103 caractères" in toc
        check_chart(read("tableau.htm"))
    print("help_file: passed")


if __name__ == "__main__":
    main(sys.argv[1])
