#!/usr/bin/env python3
"""Runs tests of a Windows test program with the desktop at other resolutions.

Usage: run_at_dpi.py [--pictures FOLDER] PROGRAM FILTER DPI...

Sets the user's "LogPixels" in the session's Wine prefix before each run and
puts back what was there after the last, whatever happens. Every program started
meanwhile sees that resolution, so CTest runs this alone. With --pictures, the
folder is emptied first and named to the runs (SIX_DPI_PICTURES), which keep
there what each resolution looks like, for the later runs to compare with.
"""

import os
import re
import shutil
import subprocess
import sys

KEY = r"HKCU\Control Panel\Desktop"


def reg(*args):
    return subprocess.run(["wine", "reg", *args], capture_output=True, text=True,
                          stdin=subprocess.DEVNULL, timeout=60)


def saved_value():
    done = reg("query", KEY, "/v", "LogPixels")
    for line in done.stdout.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[0] == "LogPixels":
            return int(parts[2], 16)
    return None


def main():
    args = sys.argv[1:]
    pictures = None
    if args[:1] == ["--pictures"]:
        pictures, args = args[1], args[2:]
        shutil.rmtree(pictures, ignore_errors=True)
        os.makedirs(pictures)
    program, test_filter, *dpis = args
    original = saved_value()
    failed = []
    try:
        for dpi in dpis:
            reg("add", KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", dpi, "/f")
            env = dict(os.environ, SIX_EXPECTED_DPI=dpi)
            if pictures:
                # Wine's drive Z: is the Linux root.
                env["SIX_DPI_PICTURES"] = "Z:" + os.path.abspath(pictures)
            done = subprocess.run(["wine", program, f"--gtest_filter={test_filter}"], env=env,
                                  stdin=subprocess.DEVNULL, capture_output=True, text=True,
                                  timeout=120)
            # A filter that matches no test still ends in "[  PASSED  ] 0 tests".
            ran = re.search(r"^\[  PASSED  \] (\d+) tests?\.", done.stdout, re.MULTILINE)
            passed = done.returncode == 0 and ran is not None and int(ran.group(1)) > 0 \
                and "[  FAILED  ]" not in done.stdout
            print(f"--- at {dpi} dpi: {'passed' if passed else 'FAILED'}")
            if not passed:
                print(done.stdout[-4000:])
                failed.append(dpi)
    finally:
        if original is None:
            reg("delete", KEY, "/v", "LogPixels", "/f")
        else:
            reg("add", KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(original), "/f")
    if failed:
        sys.exit(f"failed at {', '.join(failed)} dpi")


if __name__ == "__main__":
    main()
