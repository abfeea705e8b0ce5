"""The 103 characters that Sixpointe knows, with the two Braille cells of each, written
out here a second time so that the end-to-end tests judge the program by their own
table rather than by its.

A cell is the string of its raised dots in ascending order ("46": dots 4 and 6; "":
no dot). Dots 1 2 3 run down the left column, 4 5 6 down the right one. The first
cell holds the prefix: the capital sign 46, the number sign 6, or nothing.
"""

CAPITAL = "46"
NUMBER = "6"

# Each lower-case letter and its capital share the second cell.
_LETTERS = [
    ("a", "1"), ("b", "12"), ("c", "14"), ("d", "145"), ("e", "15"), ("f", "124"),
    ("g", "1245"), ("h", "125"), ("i", "24"), ("j", "245"), ("k", "13"), ("l", "123"),
    ("m", "134"), ("n", "1345"), ("o", "135"), ("p", "1234"), ("q", "12345"),
    ("r", "1235"), ("s", "234"), ("t", "2345"), ("u", "136"), ("v", "1236"),
    ("w", "2456"), ("x", "1346"), ("y", "13456"), ("z", "1356"),
    ("ç", "12346"), ("é", "123456"), ("à", "12356"), ("è", "2346"), ("ù", "23456"),
    ("â", "16"), ("ê", "126"), ("î", "146"), ("ô", "1456"), ("û", "156"),
    ("ë", "1246"), ("ï", "12456"), ("ü", "1256"),
    ("oe", "246"),  # the two letters o and e, not the ligature
]

_DIGITS = [
    ("0", "3456"), ("1", "16"), ("2", "126"), ("3", "146"), ("4", "1456"),
    ("5", "156"), ("6", "1246"), ("7", "12456"), ("8", "1256"), ("9", "246"),
]

_SIGNS = [
    (",", "2"), (";", "23"), (":", "25"), ("/", "256"), ("?", "26"), ("!", "235"),
    ('"', "2356"), ("(", "236"), ("*", "35"), (")", "356"), (".", "3"), ("-", "36"),
    ("§", "346"),
]


def _table():
    cells = {}
    for lower, second in _LETTERS:
        cells[lower.upper()] = (CAPITAL, second)
        cells[lower] = ("", second)
    for digit, second in _DIGITS:
        cells[digit] = (NUMBER, second)
    for sign, second in _SIGNS:
        cells[sign] = ("", second)
    return cells


# text -> (first cell, second cell)
CELLS = _table()

ALL_DOTS = "123456"


def lowered(cells):
    """The dots to lower in each cell of a full workshop so that the rest shows `cells`."""
    return tuple("".join(d for d in ALL_DOTS if d not in cell) for cell in cells)


def other_character(text):
    """A character other than text, with the same second cell where there is one (its
    capital, its small letter, or the letter that shares a digit's cell), so that only
    the prefix tells them apart."""
    second = CELLS[text][1]
    mates = [t for t, cells in CELLS.items() if cells[1] == second and t != text]
    return mates[0] if mates else ("a" if text != "a" else "b")
