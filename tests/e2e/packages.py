"""What the two packages do to a Windows machine, checked in the test session's prefix.

Shared by installer.py and portable_zip.py: where the packages are, what a
program folder must hold, and snapshots of the prefix to compare before and after.
"""

import argparse
import functools
import os
import shutil
import subprocess
import time
from dataclasses import dataclass

import e2e
from sixpointe_window import MainWindow

PROGRAM = "Sixpointe.exe"
HELP = "Sixpointe.chm"
# What a user gets in the program's folder, whichever package brought it.
PROGRAM_FILES = {PROGRAM, HELP}
HELP_TITLE = "Aide de Sixpointe"
UNINSTALLER = "uninstall.exe"


def package_path(args, suffix):
    """The package built beside the program: --packages DIR, then its file name."""
    folder = args.extra[args.extra.index("--packages") + 1]
    path = os.path.join(folder, f"Sixpointe-1.0-{suffix}")
    e2e.check(os.path.isfile(path), f"no package {path}")
    return path


def prefix():
    return os.environ["WINEPREFIX"]


def unix_path(windows_path):
    """A C: path of the prefix as a file name here."""
    drive, rest = windows_path.split(":", 1)
    e2e.check(drive.upper() == "C", f"{windows_path} is not on C:")
    return os.path.join(prefix(), "drive_c", *[p for p in rest.split("\\") if p])


def wine(*args, timeout=120):
    return subprocess.run(["wine", *args], capture_output=True, timeout=timeout,
                          stdin=subprocess.DEVNULL)


def built_installer_piece(args, name):
    """Compiles NAME.nsi, beside this file, into a small program around the
    installer's .nsh files (--kind-dir DIR) in the scratch folder (--scratch
    DIR); returns the program's path and the scratch folder."""
    kind_dir = args.extra[args.extra.index("--kind-dir") + 1]
    scratch = args.extra[args.extra.index("--scratch") + 1]
    os.makedirs(scratch, exist_ok=True)
    program = os.path.join(scratch, f"{name}.exe")
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), f"{name}.nsi")
    subprocess.run(["makensis", "-V2", f"-DOUT={program}", f"-DKIND_DIR={kind_dir}", source],
                   check=True, timeout=120, stdout=subprocess.DEVNULL)
    return program, scratch


def prefix_files():
    """Every file and folder of the prefix's drive C, as paths relative to it.

    Temporary folders are left out: an NSIS uninstaller runs from a copy of itself
    there, which Windows deletes only at the next restart.
    """
    root = os.path.join(prefix(), "drive_c")
    found = set()
    for folder, dirs, files in os.walk(root):
        relative = os.path.relpath(folder, root)
        dirs[:] = [d for d in dirs if d.lower() not in ("temp", "tmp")]
        found.update(os.path.normpath(os.path.join(relative, name)) for name in dirs + files)
    return found


# The registry keys an installer may write to.
REGISTRY_KEYS = [
    r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall",
    r"HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths",
    r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run",
    r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall",
    r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run",
    r"HKLM\Software\Sixpointe",
    r"HKCU\Software\Sixpointe",
]


@dataclass(frozen=True)
class InstallKind:
    """Where an installation of one kind leaves its marks."""
    switch: str  # the installer's and uninstaller's switch, without "/"
    key: str  # the uninstall entry
    shortcut: str  # the Start-menu shortcut


def _uninstall_key(root):
    return rf"{root}\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sixpointe"


ALL_USERS = InstallKind(
    "AllUsers", _uninstall_key("HKLM"),
    r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Sixpointe.lnk")


@functools.cache
def user_folder(variable):
    """A folder of the prefix's user, as Windows names it (%LOCALAPPDATA%, ...)."""
    done = wine("cmd", "/c", "echo", f"%{variable}%")
    folder = done.stdout.decode("utf-8", "replace").strip()
    e2e.check(done.returncode == 0 and folder.upper().startswith("C:\\"),
              f"%{variable}% is {folder!r}")
    return folder


def current_user_folder():
    """Where a per-user install goes when no folder is given."""
    return rf"{user_folder('LOCALAPPDATA')}\Programs\Sixpointe"


def current_user_kind():
    return InstallKind(
        "CurrentUser", _uninstall_key("HKCU"),
        rf"{user_folder('APPDATA')}\Microsoft\Windows\Start Menu\Programs\Sixpointe.lnk")


def clear_installations():
    """What a run stopped half-way may have left, so that it is not counted as before."""
    shutil.rmtree(unix_path(r"C:\SixpointeEssai"), ignore_errors=True)
    shutil.rmtree(unix_path(current_user_folder()), ignore_errors=True)
    programs = os.path.dirname(unix_path(current_user_folder()))
    if os.path.isdir(programs) and not os.listdir(programs):
        os.rmdir(programs)  # made by an earlier install; an uninstall removes it
    for kind in (ALL_USERS, current_user_kind()):
        if os.path.exists(unix_path(kind.shortcut)):
            os.remove(unix_path(kind.shortcut))
        wine("reg", "delete", kind.key, "/f")
    # A per-user install makes the user's list of installed programs when it
    # is missing, and its uninstall removes it again when it is left empty.
    user_list = current_user_kind().key.rsplit("\\", 1)[0]
    listed = wine("reg", "query", user_list)
    lines = [line.strip() for line in listed.stdout.decode("utf-8", "replace").splitlines()]
    content = [line for line in lines if line and not line.endswith("\\Uninstall")]
    if listed.returncode == 0 and not content:
        wine("reg", "delete", user_list, "/f")


def check_prefix_unchanged(files_before, registry_before):
    added = prefix_files() - files_before
    removed = files_before - prefix_files()
    e2e.check(not added and not removed, f"left behind {sorted(added)}, lost {sorted(removed)}")
    registry_after = registry_snapshot()
    for key in REGISTRY_KEYS:
        e2e.check(registry_after[key] == registry_before[key], f"{key} changed")


def registry_snapshot():
    """The text of `reg query /s` for each key the installer may touch."""
    snapshot = {}
    for key in REGISTRY_KEYS:
        done = wine("reg", "query", key, "/s")
        snapshot[key] = done.stdout.decode("utf-8", "replace") if done.returncode == 0 else None
    return snapshot


def settled_prefix_state(timeout=30):
    """Files and registry once nothing changes them any more: an uninstaller
    that an install started hands over to a copy of itself and may still be
    clearing up when the install returns."""
    state = (prefix_files(), registry_snapshot())
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        time.sleep(1)
        now = (prefix_files(), registry_snapshot())
        if now == state:
            return state
        state = now
    raise AssertionError(f"the prefix was still changing after {timeout} s")


def registry_values(key):
    """The values of one key as {name: text}, or None when the key is not there."""
    done = wine("reg", "query", key)
    if done.returncode != 0:
        return None
    values = {}
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return values


def folder_listing(path):
    return set(os.listdir(path)) if os.path.isdir(path) else None


def wait_for(condition, what, timeout=60):
    return e2e.wait_until(condition, timeout, what)


def check_program_starts(exe, probe_path):
    """The program shows its main window from where it was put, and its help
    opens: the help window exists only when the help file was found beside it."""
    args = argparse.Namespace(program=exe, winprobe=probe_path, extra=[])
    with MainWindow(args) as window:
        window.wait(page="Apprentissage")
        window.key("alt+a", "r")  # Aide > Rubriques de l'aide
        e2e.wait_until(lambda: [w for w in window.probe.top_level()
                                if w.cls == "HH Parent" and w.text == HELP_TITLE], 15,
                       f"the help window {HELP_TITLE!r}")
        e2e.check(window.close() == 0, "the program ended with a failure")
