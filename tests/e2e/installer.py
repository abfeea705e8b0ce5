#!/usr/bin/env python3
"""The installer as a user runs it: silently into a chosen folder, again into
another one, then the silent uninstall, in the test session's Wine prefix.

After the uninstall, the prefix's files and the registry keys an installer may
touch are as they were before the first install. Extra argument: --packages DIR.
"""

import os
import shutil
import time

import e2e
import packages as pk

FIRST = r"C:\SixpointeEssai\Premier"
SECOND = r"C:\SixpointeEssai\Second"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sixpointe"
SHORTCUT = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Sixpointe.lnk"
UNINSTALLER = "uninstall.exe"


def install(setup, folder):
    # /D= comes last and unquoted, as NSIS wants it (so no blank in the folder).
    start = time.monotonic()
    done = pk.wine(setup, "/S", f"/D={folder}")
    e2e.check(done.returncode == 0, f"the installer ended with {done.returncode}")
    return time.monotonic() - start


def check_installed(folder, program_bytes):
    listing = pk.folder_listing(pk.unix_path(folder))
    e2e.check(listing == pk.PROGRAM_FILES | {UNINSTALLER},
              f"{folder} holds {sorted(listing or [])}")
    with open(os.path.join(pk.unix_path(folder), pk.PROGRAM), "rb") as installed:
        e2e.check(installed.read() == program_bytes, "the installed program is not the built one")

    with open(pk.unix_path(SHORTCUT), "rb") as link:
        target = f"{folder}\\{pk.PROGRAM}"
        content = link.read()
        e2e.check(target.encode("cp1252") in content or target.encode("utf-16-le") in content,
                  f"the Start-menu shortcut does not point at {target}")

    values = pk.registry_values(UNINSTALL_KEY)
    e2e.check(values is not None, "no uninstall key")
    expected = {
        "DisplayName": "Sixpointe",
        "DisplayVersion": "1.0",
        "Publisher": "Sixpointe",
        "DisplayIcon": f"{folder}\\{pk.PROGRAM},0",
        "InstallLocation": folder,
        "UninstallString": f'"{folder}\\{UNINSTALLER}"',
        "QuietUninstallString": f'"{folder}\\{UNINSTALLER}" /S',
    }
    for name, value in expected.items():
        e2e.check(values.get(name) == value, f"uninstall key: {name} is {values.get(name)!r}")
    size_kb = int(values.get("EstimatedSize", "0"), 16)
    e2e.check(len(program_bytes) // 1024 <= size_kb <= 4096, f"EstimatedSize {size_kb} Ko")


def uninstall(folder):
    # The uninstaller hands over to a copy of itself and returns at once:
    # wait for what it removes.
    start = time.monotonic()
    done = pk.wine(f"{folder}\\{UNINSTALLER}", "/S")
    e2e.check(done.returncode == 0, f"the uninstaller ended with {done.returncode}")
    pk.wait_for(lambda: not os.path.exists(pk.unix_path(folder))
                and pk.registry_values(UNINSTALL_KEY) is None, f"{folder} to go")
    return time.monotonic() - start


def clear_earlier_run():
    """What a run stopped half-way may have left, so that it is not counted as before."""
    shutil.rmtree(pk.unix_path(r"C:\SixpointeEssai"), ignore_errors=True)
    if os.path.exists(pk.unix_path(SHORTCUT)):
        os.remove(pk.unix_path(SHORTCUT))
    pk.wine("reg", "delete", UNINSTALL_KEY, "/f")


def main(args):
    setup = pk.package_path(args, "setup.exe")
    clear_earlier_run()
    with open(args.program, "rb") as built:
        program_bytes = built.read()
    files_before = pk.prefix_files()
    registry_before = pk.registry_snapshot()

    first_time = install(setup, FIRST)
    check_installed(FIRST, program_bytes)
    pk.check_program_starts(f"{FIRST}\\{pk.PROGRAM}", args.winprobe)

    # Installing again, elsewhere, replaces the first installation.
    install(setup, SECOND)
    check_installed(SECOND, program_bytes)
    e2e.check(not os.path.exists(pk.unix_path(FIRST)), f"{FIRST} is still there")

    uninstall_time = uninstall(SECOND)
    e2e.check(not os.path.exists(pk.unix_path(SHORTCUT)), "the shortcut is still there")
    os.rmdir(pk.unix_path(r"C:\SixpointeEssai"))  # the test's own parent folder
    added = pk.prefix_files() - files_before
    removed = files_before - pk.prefix_files()
    e2e.check(not added and not removed, f"left behind {sorted(added)}, lost {sorted(removed)}")
    registry_after = pk.registry_snapshot()
    for key in pk.REGISTRY_KEYS:
        e2e.check(registry_after[key] == registry_before[key], f"{key} changed")
    print(f"silent install {first_time:.2f} s, silent uninstall {uninstall_time:.2f} s")


if __name__ == "__main__":
    e2e.run(main)
