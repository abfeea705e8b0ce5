#!/usr/bin/env python3
"""The installer's way to ask for administrator rights, on its own: a program
built from the installer's InstallKind.nsh starts itself again with "runas"
and hands on the exit code of that copy. Wine grants the rights without asking,
so this is what a test can see of it: the second copy runs with the switches
it was given, and its exit code comes back whole.

Extra arguments: --kind-dir DIR (the installer's .nsh files) --scratch DIR.
"""


import e2e
import packages as pk


def main(args):
    program, _ = pk.built_installer_piece(args, "run_elevated")
    for code in (0, 42, 200):
        done = pk.wine(program, f"/Code={code}")
        e2e.check(done.returncode == code, f"/Code={code}: the program ended with {done.returncode}")


if __name__ == "__main__":
    e2e.run(main)
