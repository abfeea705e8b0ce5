"""The help as a person opens it: the tool button "Aide" pressed with the mouse, the
menu item "Rubriques de l'aide" chosen by keys; each opens the HTML Help window, and
none is left once the program has ended, by "Quitter" or by the close box. The help
window opens beside the program, leaving its tool bar and close box in view, with its
Contents, Index and Search tabs (its picture is kept in --artifacts DIR). Started with "/debug", the program writes its report
on the help environment beside itself; started without, it removes it. The report names
the system as it is: Windows 10.
"""

import os
import re

import e2e
from sixpointe_window import MainWindow, artifacts_dir

HELP_CLASS = "HH Parent"


def help_windows(window):
    return [w for w in window.probe.top_level() if w.cls == HELP_CLASS]


def wait_help(window, present):
    e2e.wait_until(lambda: bool(help_windows(window)) == present, 15,
                   "a help window" if present else "no help window")


def bring_to_front(window):
    """Clicks the part of the main window that the help window leaves uncovered (its
    status bar, bottom left), as a person would to get back to it."""
    frame = window.window("top").rect
    x, y = frame.left + 8, frame.bottom - 8
    for help_window in help_windows(window):
        r = help_window.rect
        e2e.check(not (r.left <= x < r.right and r.top <= y < r.bottom),
                  "the help window covers the whole main window")
    window.click_at(x, y)


def overlaps(a, b):
    return a.left < b.right and b.left < a.right and a.top < b.bottom and b.top < a.bottom


def check_beside_the_program(window, artifacts):
    """The help window fits the 1024 x 768 screen and covers neither the main window's
    tool bar nor its close box (the top right corner of its frame)."""
    help_window = help_windows(window)[0]
    frame = window.window("top").rect
    toolbar = window.control("ToolbarWindow32").rect
    close_box = e2e.Rect(frame.right - 32, frame.top, frame.right, frame.top + 30)
    where = help_window.rect
    print(f"help window at {where}, main window at {frame}, tool bar at {toolbar}")
    window.screenshot().save_png(os.path.join(artifacts, "help-beside-the-program.png"))
    e2e.check(where.left >= 0 and where.top >= 0 and where.right <= 1024 and where.bottom <= 768,
              f"the help window leaves the screen: {where}")
    e2e.check(not overlaps(where, toolbar), "the help window covers the tool bar")
    e2e.check(not overlaps(where, close_box), "the help window covers the close box")
    e2e.check(where.width < frame.width, "the help window is not narrower than the program")
    # The viewer makes the index's keyword field and list only when the file's
    # window type asks for its Index tab.
    classes = {w.cls for w in window.probe.windows(help_window.text)}
    print(f"help window's controls: {sorted(classes)}")
    e2e.check({"SysTabControl32", "SysTreeView32", "Edit", "SysListView32"} <= classes,
              "the help window lacks its Contents, Index and Search tabs")


def report_lines(path):
    with open(path, encoding="cp1252", newline="") as report:
        return report.read().split("\r\n")[:-1]


def check_debug_report(args):
    report = os.path.join(os.path.dirname(os.path.abspath(args.program)), "HHDebug.txt")
    with MainWindow(args, ["/debug"]) as window:
        window.wait(page="Apprentissage")
        e2e.wait_until(lambda: os.path.exists(report) and len(report_lines(report)) == 22, 10,
                       "the 22 lines of HHDebug.txt")
        lines = report_lines(report)
        # The test prefix passes for Windows 10, which the manifest declares.
        e2e.check(re.fullmatch(r"Operating System:      \tWindows NT 10\.0\.\d+", lines[2]),
                  f"system line: {lines[2]!r}")
        e2e.check(lines[9] == "Cmdline Param(s) =  \t/debug", f"parameters line: {lines[9]!r}")
        e2e.check(lines[14] == "_hhInstalled =      \tYES", f"help control line: {lines[14]!r}")
        e2e.check(window.close() == 0, "the program ended with a failure")
    with MainWindow(args) as window:
        window.wait(page="Apprentissage")
        e2e.wait_until(lambda: not os.path.exists(report), 10, "the old report to go")
        e2e.check(window.close() == 0, "the program ended with a failure")


def main(args):
    check_debug_report(args)
    with MainWindow(args) as window:
        window.wait(page="Apprentissage")
        e2e.check(not help_windows(window), "a help window before any was asked for")
        window.click_tool_button("Aide")
        wait_help(window, True)
        print(f"tool button: {help_windows(window)[0].text!r}")
        check_beside_the_program(window, artifacts_dir(args))
        bring_to_front(window)
        window.click_tool_button("Quitter")
        e2e.check(window.wait_end() == 0, "the program ended with a failure")
        wait_help(window, False)

    with MainWindow(args) as window:
        window.wait(page="Apprentissage")
        window.key("alt+a", "r")  # Aide > Rubriques de l'aide
        wait_help(window, True)
        print(f"menu by keys: {help_windows(window)[0].text!r}")
        e2e.check(window.close() == 0, "the program ended with a failure")
        wait_help(window, False)


if __name__ == "__main__":
    e2e.run(main)
