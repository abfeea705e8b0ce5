#!/usr/bin/env python3
"""The installer's way to ask for administrator rights, on its own: a program
built from the installer's InstallKind.nsh starts itself again with "runas"
and hands on the exit code of that copy. Wine grants the rights without asking,
so this is what a test can see of it: the second copy runs with the switches
it was given, and its exit code comes back whole.

Extra arguments: --kind-dir DIR (the installer's .nsh files) --scratch DIR.
"""

import os
import subprocess

import e2e
import packages as pk


def main(args):
    kind_dir = args.extra[args.extra.index("--kind-dir") + 1]
    scratch = args.extra[args.extra.index("--scratch") + 1]
    os.makedirs(scratch, exist_ok=True)
    program = os.path.join(scratch, "run_elevated.exe")
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "run_elevated.nsi")
    subprocess.run(["makensis", "-V2", f"-DOUT={program}", f"-DKIND_DIR={kind_dir}", source],
                   check=True, timeout=120, stdout=subprocess.DEVNULL)
    for code in (0, 42, 200):
        done = pk.wine(program, f"/Code={code}")
        e2e.check(done.returncode == code, f"/Code={code}: the program ended with {done.returncode}")


if __name__ == "__main__":
    e2e.run(main)
