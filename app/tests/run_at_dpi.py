#!/usr/bin/env python3
"""Runs tests of a Windows test program with the desktop at other resolutions.

Usage: run_at_dpi.py [--pictures FOLDER] PREFIX KEEPALIVE PROGRAM FILTER DPI...

The runs take place in the Wine prefix PREFIX, kept for them alone (made on
first use), never in the session's shared prefix: the resolution is the
user's "LogPixels", which every program of a prefix sees, and a run ended
half-way must not leave the other tests at another resolution. The
resolution is set before each run, so whatever an earlier run left behind
does not count. KEEPALIVE is the idle Windows program that keeps the
prefix's desktop and services up, outside this script's pipes, meanwhile.
With --pictures, FOLDER is emptied first and named to the runs
(SIX_DPI_PICTURES), which keep there what each resolution looks like, for the
later runs to compare with.
"""

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

KEY = r"HKCU\Control Panel\Desktop"
WINE_SH = Path(__file__).resolve().parents[2] / "scripts" / "lib" / "wine.sh"
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class Session:
    """The prefix's own wineserver and desktop, up while the runs last."""

    def __init__(self, prefix, keepalive):
        self.env = dict(os.environ, WINEPREFIX=prefix)
        subprocess.run(["bash", "-c", 'source "$0" && wine_prefix_ensure "$1" desktop',
                        str(WINE_SH), prefix], check=True, timeout=240, **QUIET)
        subprocess.run(["wineserver", "-p"], env=self.env, timeout=60, **QUIET)
        self.keeper = subprocess.Popen(["wine", keepalive], env=self.env,
                                       start_new_session=True, **QUIET)

    def set_dpi(self, dpi):
        subprocess.run(["wine", "reg", "add", KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                        "/d", dpi, "/f"], env=self.env, check=True, timeout=60, **QUIET)

    def run(self, args, dpi, pictures=None):
        env = dict(self.env, SIX_EXPECTED_DPI=dpi)
        if pictures:
            # Wine's drive Z: is the Linux root.
            env["SIX_DPI_PICTURES"] = "Z:" + os.path.abspath(pictures)
            # The pictures are read off the screen: a pointer left over the
            # window by an earlier test would raise a tool tip into them.
            subprocess.run(["xdotool", "mousemove", "1279", "1023"], timeout=30, **QUIET)
        return subprocess.run(["wine", *args], env=env,
                              stdin=subprocess.DEVNULL, capture_output=True, text=True,
                              timeout=120)

    def stop(self):
        self.keeper.kill()
        self.keeper.wait()
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60, **QUIET)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60, **QUIET)


def passed(done):
    # A filter that matches no test still ends in "[  PASSED  ] 0 tests".
    ran = re.search(r"^\[  PASSED  \] (\d+) tests?\.", done.stdout, re.MULTILINE)
    return done.returncode == 0 and ran is not None and int(ran.group(1)) > 0 \
        and "[  FAILED  ]" not in done.stdout


def main():
    args = sys.argv[1:]
    pictures = None
    if args[:1] == ["--pictures"]:
        pictures, args = args[1], args[2:]
        shutil.rmtree(pictures, ignore_errors=True)
        os.makedirs(pictures)
    prefix, keepalive, program, test_filter, *dpis = args
    session = Session(prefix, keepalive)
    failed = []
    try:
        for dpi in dpis:
            session.set_dpi(dpi)
            done = session.run([program, f"--gtest_filter={test_filter}"], dpi, pictures)
            print(f"--- at {dpi} dpi: {'passed' if passed(done) else 'FAILED'}")
            if not passed(done):
                print(done.stdout[-4000:])
                failed.append(dpi)
    finally:
        session.stop()
    if failed:
        sys.exit(f"failed at {', '.join(failed)} dpi")


if __name__ == "__main__":
    main()
