"""The accented letters of French, and a few signs, on keys of the X keyboard, so that
xdotool types them with real keys.

Left to itself, xdotool lends a spare key code to each character missing from the
keyboard and takes it back straight after the key press; Wine reads the mapping
late, sees a key without a character and drops it. A key that stays mapped is safe.
Wine gives extra keys virtual-key codes from a small pool (29 keys here), so the
keyboard carries only what the program's users type, and typing anything else
beyond ASCII is refused rather than left to chance.
"""

import os
import subprocess
import tempfile

# Each lower-case letter shares its key with its capital (Shift gives the capital).
LETTERS = "àâæçèéêëîïôœùûüÿ"
SIGNS = "§°«»€£µ¤²³¨´¿¡×÷"

# Key codes of the evdev keyboard that the plain US layout leaves empty.
SPARE_KEYS = [f"I{n}" for n in range(147, 191)]

_KEYMAP = """xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols {
        include "pc+us"
%s
    };
    xkb_geometry { include "pc(pc105)" };
};
"""


def key_levels():
    """The characters of each extra key, in key order."""
    pairs = [(letter, letter.upper()) for letter in LETTERS]
    return pairs + [tuple(SIGNS[i:i + 2]) for i in range(0, len(SIGNS), 2)]


def typeable(char):
    """Whether xdotool can type the character with a key of this keyboard."""
    return " " <= char <= "~" or char in "\t\n" or any(char in key for key in key_levels())


def keysym(char):
    """X keysym of a character: Latin-1 as itself, the rest as Unicode keysyms."""
    code = ord(char)
    return f"0x{code:x}" if code < 0x100 else f"0x{0x1000000 + code:x}"


def keymap():
    lines = [f"        override key <{name}> {{ [ {', '.join(map(keysym, syms))} ] }};"
             for name, syms in zip(SPARE_KEYS, key_levels())]
    return _KEYMAP % "\n".join(lines)


def install():
    """Loads the keyboard into the X display of DISPLAY. Programs already running
    follow the change; those started afterwards see it from their first key."""
    with tempfile.NamedTemporaryFile("w", suffix=".xkb", delete=False) as file:
        file.write(keymap())
    try:
        subprocess.run(["xkbcomp", "-w", "0", file.name, os.environ["DISPLAY"]],
                       stdout=subprocess.DEVNULL, check=True, timeout=30)
    finally:
        os.unlink(file.name)
