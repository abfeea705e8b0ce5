"""The program in a folder whose path is longer than the 260 characters of old Windows
calls, as a deep school network share can give: it starts, surveys its help
environment and writes its report there, and "Aide" opens the help window; pressing it
must never end the program. Extra arguments: --scratch DIR.
"""

import argparse
import os
import shutil

import e2e
from help_window import help_windows, report_lines, wait_help
from sixpointe_window import MainWindow

WINDOWS_PATH_LENGTH = 326


def windows_path(path):
    """The path as Wine shows a file of the Unix file system to a Windows program."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def make_long_folder(scratch):
    folder = scratch
    while len(windows_path(folder)) < WINDOWS_PATH_LENGTH:
        folder = os.path.join(folder, "un-dossier-au-nom-assez-long-pour-la-classe")
    os.makedirs(folder)
    return folder


def main(args):
    scratch = args.extra[args.extra.index("--scratch") + 1]
    shutil.rmtree(scratch, ignore_errors=True)
    folder = make_long_folder(scratch)
    built = os.path.dirname(os.path.abspath(args.program))
    for name in ("Sixpointe.exe", "Sixpointe.chm"):
        shutil.copy(os.path.join(built, name), folder)
    copied = argparse.Namespace(**vars(args))
    copied.program = os.path.join(folder, "Sixpointe.exe")
    report = os.path.join(folder, "HHDebug.txt")

    with MainWindow(copied, ["/debug"]) as window:
        window.wait(page="Apprentissage")
        e2e.wait_until(lambda: os.path.exists(report) and len(report_lines(report)) == 22, 10,
                       "the 22 lines of HHDebug.txt in the long folder")
        lines = report_lines(report)
        e2e.check(lines[12] == "_ModuleDir =        \t" + windows_path(folder),
                  f"module folder line: {lines[12]!r}")
        window.click_tool_button("Aide")
        wait_help(window, True)
        print(f"help from a folder of {len(windows_path(folder))} characters: "
              f"{help_windows(window)[0].text!r}")
        e2e.check(window.running(), "the program ended when help was asked for")
        e2e.check(window.close() == 0, "the program ended with a failure")
        wait_help(window, False)
    shutil.rmtree(scratch)


if __name__ == "__main__":
    e2e.run(main)
