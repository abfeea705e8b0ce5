#!/usr/bin/env python3
"""Sizes as the installer writes them, against how Windows writes them in
French: three significant digits, cut rather than rounded, a decimal comma,
and the next unit from 1000 of the smaller one on.

Extra arguments: --kind-dir DIR (the installer's .nsh files) --scratch DIR.
"""

import os

import e2e
import packages as pk

MO = 1024
GO = 1024 * MO
TO = 1024 * GO
EXPECTED = [
    (0, "0 octets"),
    (5, "5,00 Ko"),
    (22, "22,0 Ko"),
    (507, "507 Ko"),
    (999, "999 Ko"),
    (1000, "0,97 Mo"),
    (1023, "0,99 Mo"),
    (MO, "1,00 Mo"),
    (1500, "1,46 Mo"),
    (10 * MO - 1, "9,99 Mo"),
    (10 * MO, "10,0 Mo"),
    (100 * MO, "100 Mo"),
    (1000 * MO, "0,97 Go"),
    (GO, "1,00 Go"),
    (78381576, "74,7 Go"),
    (TO, "1,00 To"),
    (3 * TO + TO // 2, "3,50 To"),  # beyond 32 bits
    (2000 * TO, "1,95 Po"),
]


def main(args):
    program, scratch = pk.built_installer_piece(args, "format_size")
    done = pk.wine(program, *[str(size) for size, _ in EXPECTED])
    e2e.check(done.returncode == 0, f"the program ended with {done.returncode}")
    with open(os.path.join(scratch, "sizes.txt"), encoding="utf-16-le") as written:
        texts = written.read().splitlines()
    e2e.check(len(texts) == len(EXPECTED), f"{len(texts)} sizes written: {texts}")
    wrong = [(size, text, want) for (size, want), text in zip(EXPECTED, texts) if text != want]
    e2e.check(not wrong, "; ".join(f"{size} Ko gives {text!r}, not {want!r}"
                                   for size, text, want in wrong))


if __name__ == "__main__":
    e2e.run(main)
