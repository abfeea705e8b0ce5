"""The compiled help file unpacked as the help window reads it: its pages, its table
of contents, its index and links, its window type, the Alt codes that it teaches, its
chart checked against the tests' own table of the 103 characters, and its keyboard
page's picture and worked examples checked against a Braille writer's six keys.

Usage: help_file.py Sixpointe.chm
"""

import html
import os
import re
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "tests", "e2e"))
from braille_cells import CELLS  # noqa: E402

PAGES = {
    "accueil.htm": ["alphabet Braille", "deux cellules", "Apprentissage", "Evaluation"],
    "apprentissage.htm": ["OE", "Majuscule", "Numérique", "AZERTY", "Alt+0201", "Retour arrière",
                          "Sous la case"],
    "evaluation.htm": ["Réponse correcte !", "Réponse incorrecte !", "Erreur : signe inexistant !",
                       "Effacer", "Valider"],
    "alphabet.htm": ["points 4 6", "point 6", "â", "ê", "î", "ô", "û", "ë", "ï", "ü", "oe"],
    "clavier.htm": ["Alt+A, R", "Ctrl+Tab", "Alt+V", "Alt+E", "Alt+F, Q", "Maj+Tab", "AZERTY",
                    "QWERTY", "accord", "Espace", "pavé numérique", "rectangle en pointillés"],
    "tableau.htm": ["Tableau des 103 caractères", "Même seconde cellule"],
}

# Sentences that were wrong once and must not come back.
WRONG = {
    "apprentissage.htm": ["Au-dessus des cellules", "Verr. Maj, puis la touche",
                          "se tapent\ndirectement"],
    "alphabet.htm": ["le point le point", "Ils s'écrivent dans la partie basse"],
}

# The six keys of a Braille writer on a computer keyboard and the dot each writes.
WRITER_KEYS = {"F": "1", "D": "2", "S": "3", "J": "4", "K": "5", "L": "6"}
# The buttons and the page that the keyboard page names, as the program captions them.
LAYOUT = os.path.join(os.path.dirname(__file__), "..", "..", "..", "app", "Main.layout")
NAMED_CONTROLS = ["btnValider", "btnEffacer", "TabSheet2"]

# Characters a French keyboard gives with no key of their own: the accented capitals
# and the accented small letters (which some layouts lack), and the paragraph sign.
ACCENTED = "çéàèùâêîôûëïü"
NEEDS_A_CODE = set(ACCENTED) | set(ACCENTED.upper()) | {"§"}

# The index names every page and each of these.
INDEX_NAMES = ["accent aigu", "accent grave", "accent circonflexe", "tréma", "cédille",
               "majuscule", "minuscule", "chiffres", "oe", "ponctuation", "alt, codes",
               "touches mortes", "code braille de 2008", "cellules partagées"]
# Subjects of the keyboard page, which the index must lead there.
KEYBOARD_INDEX_NAMES = ["touches f d s j k l", "accord", "focus", "tabulation",
                        "machine à écrire le braille", "barre d'espace"]

RAISED, FLAT = "&#9679;", "&#9675;"
LINE = re.compile(r'<tr( class="shared")?>(<td class="char">.*?)</tr>\n')
ENTRY = re.compile(r'<td class="char">([^<]*)</td><td>(<table class="cell">.*?</table>)</td>'
                   r'<td>(<table class="cell">.*?</table>)</td><td class="dots">([^<]*)</td>')
DISC = re.compile(r"<td>(&#9679;|&#9675;)</td>")
TRI_PANE, TAB_SEARCH = 0x20, 0x400


def read_cell(drawn):
    discs = DISC.findall(drawn)
    assert len(discs) == 6, f"a cell of {len(discs)} dots"
    # Drawn row by row: dots 1 4, 2 5, 3 6.
    return "".join(sorted(d for d, disc in zip("142536", discs) if disc == RAISED))


def numbers(cell):
    return " ".join(cell) if cell else "-"


def check_chart(text):
    seen = []
    for shared, line in LINE.findall(text):
        entries = ENTRY.findall(line)
        assert 1 <= len(entries) <= 2, f"a chart line of {len(entries)} characters"
        chars = [html.unescape(e[0]) for e in entries]
        if len(entries) == 2:
            assert chars[1].upper() == chars[0] and chars[1] != chars[0], f"paired {chars}"
        for char, first, second, dots in entries:
            char = html.unescape(char)
            assert char in CELLS, f"{char!r} is not a character of the alphabet"
            expected = CELLS[char]
            assert (read_cell(first), read_cell(second)) == expected, f"{char!r} drawn wrongly"
            assert dots == f"{numbers(expected[0])} / {numbers(expected[1])}", f"{char!r}: {dots}"
            seen.append(char)
        # Marked: the lines of a second cell that another line has too.
        others = [c for c, cells in CELLS.items()
                  if cells[1] == CELLS[chars[-1]][1] and c not in chars]
        assert bool(shared) == bool(others), f"{chars}: marked {bool(shared)}, shares with {others}"
    assert sorted(seen) == sorted(CELLS), "every character once"


def check_alt_codes(text):
    """Every Alt code of the typing table is the character's Windows-1252 code, and
    every character without a key of its own has one."""
    table = re.search(r'<table class="keys typing">(.*?)</table>', text, re.S)
    assert table, "apprentissage.htm has no typing table"
    covered = set()
    for chars, codes in re.findall(r'<td class="chars">([^<]*)</td>.*?<td class="code">(.*?)</td>',
                                   table.group(1)):
        pairs = re.findall(r"([^\s>]+) Alt\+(0\d{3})\b", codes)
        assert [c for c, _ in pairs] == chars.split(), f"{chars}: codes {codes}"
        for char, code in pairs:
            typed = bytes([int(code)]).decode("cp1252")
            assert typed == char, f"Alt+{code} types {typed!r}, not {char!r}"
            covered.add(char)
    assert covered == NEEDS_A_CODE, f"no Alt code for {sorted(NEEDS_A_CODE - covered)}"


def check_digit_table(text):
    """The rules page's table of the digits says what the program writes."""
    rows = re.findall(r"<tr><td>(\d)</td><td>([^<]*)</td><td>points ([\d ]+)</td></tr>", text)
    assert len(rows) == 10, f"{len(rows)} digits in the rules page's table"
    for digit, letter, dots in rows:
        second = dots.replace(" ", "")
        assert CELLS[digit] == ("6", second), f"{digit}: points {dots}"
        if letter in CELLS:
            assert CELLS[letter] == ("", second), f"{digit} and {letter}"
        else:
            assert not [c for c, cells in CELLS.items() if cells[1] == second and c != digit]


def check_keys_picture(text):
    """The picture of the six keys, as the build drew it: under each key of the home row
    the dot that it writes, drawn in a small cell; the big cell with each dot's key; its
    text alternative naming each key with its dot."""
    assert "<!--keys-->" not in text, "clavier.htm: the picture of the keys was not drawn"
    picture = re.search(r'<div class="writerkeys" role="img" aria-label="([^"]+)">(.*?)</div>',
                        text, re.S)
    assert picture, "clavier.htm has no picture of the keys"
    alt, drawn = picture.groups()
    rows = re.findall(r"<tr>(.*?)</tr>\n", drawn.split('<table class="writercell">')[0], re.S)
    assert len(rows) == 4, f"the row of keys has {len(rows)} lines"
    keys = re.findall(r'<td class="key[^"]*">([^<]*)</td>', rows[1])
    numbers = re.findall(r'<td class="dot">([^<]*)</td>', rows[2])
    small = re.findall(r"<td>((?:<table class=\"cell\">.*?</table>)?)</td>", rows[3])
    assert len(keys) == len(numbers) == len(small), "the row's lines do not match up"
    written = {}
    for key, number, cell in zip(keys, numbers, small):
        assert (read_cell(cell) if cell else "") == number, f"under {key}: {number} drawn {cell}"
        if number:
            written[key] = number
    assert written == WRITER_KEYS, f"the picture's keys: {written}"
    big = re.findall(r'<td class="key">([^<]*)</td><td class="number">(\d)</td>'
                     r'<td class="in l">&#9679;</td><td class="in r">&#9679;</td>'
                     r'<td class="number">(\d)</td><td class="key">([^<]*)</td>', drawn)
    assert [(WRITER_KEYS[l], left, right, WRITER_KEYS[r]) for l, left, right, r in big] == \
        [("1", "1", "4", "4"), ("2", "2", "5", "5"), ("3", "3", "6", "6")], f"the big cell: {big}"
    for key, dot in WRITER_KEYS.items():
        assert f"{key} écrit le point {dot}" in html.unescape(alt), f"the picture's text: {alt}"


def check_examples(text):
    """Each worked example, typed with the six keys and Space, writes the character it
    answers, and says the verdict that the program gives."""
    examples = re.findall(r'<p class="example">La question est « <b>([^<]+)</b> ».*?</p>\s*'
                          r'<table class="keys example">(.*?)</table>', text, re.S)
    assert len(examples) >= 2, f"{len(examples)} worked examples"
    for question, table in examples:
        cells = []
        for typed, said in re.findall(r"<tr><td>(.*?)</td><td>(.*?)</td></tr>", table, re.S):
            keys = re.findall(r"<kbd>([^<]+)</kbd>", typed)
            if keys == ["Entrée"]:
                break
            dots = "" if keys == ["Espace"] else "".join(sorted(WRITER_KEYS[k] for k in keys))
            cells.append(dots)
        said = " ".join(said.split())
        assert tuple(cells) == CELLS[question], f"example {question!r}: the keys write {cells}"
        assert f"« {question} »" in said and "Réponse correcte !" in said, f"{question}: {said}"


def check_control_names(text):
    """The keyboard page names the buttons and the page as the program captions them."""
    layout = open(LAYOUT, encoding="utf-8").read()
    for control in NAMED_CONTROLS:
        caption = re.search(rf"object {control}: \w+\n(?:\s+\w[^\n]*\n)*?\s+Caption = '([^']*)'",
                            layout)
        assert caption, f"no caption for {control} in the layout"
        name = caption.group(1).replace("&", "")
        assert f"<b>{name}</b>" in text or f"page {name}" in text, f"clavier.htm never names {name!r}"


def check_links(read):
    """Every link between the pages leads to a page of the file and, where it names one,
    to an anchor of that page."""
    for page in PAGES:
        for target in re.findall(r'<a href="([^"]+)"', read(page)):
            other, _, anchor = target.partition("#")
            other = other or page
            assert other in PAGES, f"{page}: a link to {target}, which the file lacks"
            if anchor:
                assert f'name="{anchor}"' in read(other), f"{page}: no anchor {target}"


def sitemap_entries(text):
    return re.findall(r'<param name="Name" value="([^"]*)">\s*<param name="Local" value="([^"]*)">',
                      text)


def check_index(text, read):
    chart = read("tableau.htm")
    entries = sitemap_entries(text)
    names = [name.lower() for name, _ in entries]
    pages = {local.split("#")[0] for _, local in entries}
    assert pages == set(PAGES), f"index: pages {sorted(pages)}"
    # Each sign named in the chart, and each name a learner looks for.
    signs = [html.unescape(n) for n in re.findall(r'<td class="name">([^<]+)</td>', chart)]
    assert len(signs) == 13, f"{len(signs)} signs named in the chart"
    for name in signs + INDEX_NAMES:
        assert any(n == name.lower() or n.startswith(name.lower() + ",") or
                   n.startswith(name.lower() + " (") for n in names), f"the index lacks {name!r}"
    for name in KEYBOARD_INDEX_NAMES:
        assert any(n.startswith(name) and local.startswith("clavier.htm")
                   for n, (_, local) in zip(names, entries)), f"the index lacks {name!r} there"
    for _, local in entries:
        page, _, anchor = local.partition("#")
        if anchor:
            assert f'name="{anchor}"' in read(page), f"index: no anchor {local}"


def read_string(strings, offset):
    return strings[offset:strings.index(b"\0", offset)].decode("cp1252")


def default_window(system):
    """The window type that #SYSTEM names as the file's default (record code 5)."""
    at = 4
    while at + 4 <= len(system):
        code, length = struct.unpack_from("<HH", system, at)
        if code == 5:
            return system[at + 4:at + 4 + length].rstrip(b"\0").decode("cp1252")
        at += 4 + length
    return None


def check_window_type(out):
    raw = lambda name: open(os.path.join(out, name), "rb").read()
    windows, strings = raw("#WINDOWS"), raw("#STRINGS")
    count, size = struct.unpack_from("<II", windows, 0)
    assert count == 1 and size >= 0x74, f"#WINDOWS: {count} entries of {size} bytes"
    entry = windows[8:8 + size]
    name_at, _, properties, title_at = struct.unpack_from("<IIII", entry, 8)
    rect = struct.unpack_from("<4i", entry, 0x20)
    toc_at, index_at = struct.unpack_from("<II", entry, 0x60)
    name = read_string(strings, name_at)
    assert default_window(raw("#SYSTEM")) == name, "the window type is not the default one"
    assert properties & TRI_PANE and properties & TAB_SEARCH, f"properties {properties:#x}"
    assert read_string(strings, toc_at) == "toc.hhc"
    assert read_string(strings, index_at) == "index.hhk", "the window type has no index"
    assert read_string(strings, title_at) == "Aide de Sixpointe"
    left, top, right, bottom = rect
    assert 0 <= left < right <= 1024 and 0 <= top < bottom <= 768, f"window at {rect}"
    print(f"help_file: window type {name!r} at {rect}, properties {properties:#x}")


def main(chm):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["extract_chmLib", chm, out], check=True, stdout=subprocess.DEVNULL)
        read = lambda name: open(os.path.join(out, name), encoding="cp1252").read()
        for page, phrases in PAGES.items():
            text = html.unescape(read(page))
            for phrase in phrases:
                assert phrase in text, f"{page} lacks {phrase!r}"
            for phrase in WRONG.get(page, []):
                assert phrase not in text, f"{page} still says {phrase!r}"
            assert "charset=windows-1252" in text, f"{page} does not say its code page"
        toc = read("toc.hhc")
        listed = re.findall(r'name="Local" value="([^"]+)"', toc)
        assert listed == list(PAGES), f"table of contents: {listed}"
        assert "Les règles de l'alphabet" in toc and "Tableau des 103 caractères" in toc
        check_chart(read("tableau.htm"))
        check_alt_codes(html.unescape(read("apprentissage.htm")))
        check_digit_table(html.unescape(read("alphabet.htm")))
        check_index(read("index.hhk"), read)
        check_links(read)
        check_keys_picture(read("clavier.htm"))
        check_examples(html.unescape(read("clavier.htm")))
        check_control_names(html.unescape(read("clavier.htm")))
        check_window_type(out)
    print("help_file: passed")


if __name__ == "__main__":
    main(sys.argv[1])
