#!/usr/bin/env python3
"""The installer as a classroom script runs it: silently, for all users or for
the current user, again over an installation of either kind, then the silent
uninstall of each, in the test session's Wine prefix.

After the uninstalls, the prefix's files and the registry keys an installer may
touch are as they were before the first install. Extra argument: --packages DIR.
"""

import os
import shutil
import time

import e2e
import packages as pk

FIRST = r"C:\SixpointeEssai\Premier"
SECOND = r"C:\SixpointeEssai\Second"
# What a stop half-way through "stopped by the script" means: nothing changed.
EXIT_REFUSED = 2


def install(setup, *switches, folder=None):
    """The installer's exit code. /D= comes last and unquoted, as NSIS wants it
    (so no blank in the folder)."""
    start = time.monotonic()
    done = pk.wine(setup, "/S", *switches, *([f"/D={folder}"] if folder else []))
    install.seconds = time.monotonic() - start
    return done.returncode


def check_installed(kind, folder, program_bytes):
    listing = pk.folder_listing(pk.unix_path(folder))
    e2e.check(listing == pk.PROGRAM_FILES | {pk.UNINSTALLER},
              f"{folder} holds {sorted(listing or [])}")
    with open(os.path.join(pk.unix_path(folder), pk.PROGRAM), "rb") as installed:
        e2e.check(installed.read() == program_bytes, "the installed program is not the built one")

    shortcut = pk.unix_path(kind.shortcut)
    e2e.check(os.path.isfile(shortcut), f"no Start-menu shortcut {kind.shortcut}")
    with open(shortcut, "rb") as link:
        target = f"{folder}\\{pk.PROGRAM}"
        content = link.read()
        e2e.check(target.encode("cp1252") in content or target.encode("utf-16-le") in content,
                  f"the Start-menu shortcut does not point at {target}")

    values = pk.registry_values(kind.key)
    e2e.check(values is not None, f"no uninstall key {kind.key}")
    uninstaller = f'"{folder}\\{pk.UNINSTALLER}" /{kind.switch}'
    expected = {
        "DisplayName": "Sixpointe",
        "DisplayVersion": "1.0",
        "Publisher": "Sixpointe",
        "DisplayIcon": f"{folder}\\{pk.PROGRAM},0",
        "InstallLocation": folder,
        "UninstallString": uninstaller,
        "QuietUninstallString": f"{uninstaller} /S",
    }
    for name, value in expected.items():
        e2e.check(values.get(name) == value, f"uninstall key: {name} is {values.get(name)!r}")
    size_kb = int(values.get("EstimatedSize", "0"), 16)
    e2e.check(len(program_bytes) // 1024 <= size_kb <= 4096, f"EstimatedSize {size_kb} Ko")


def check_not_installed(kind, folder):
    e2e.check(not os.path.exists(pk.unix_path(folder)), f"{folder} is still there")
    e2e.check(not os.path.exists(pk.unix_path(kind.shortcut)), f"{kind.shortcut} is still there")
    e2e.check(pk.registry_values(kind.key) is None, f"{kind.key} is still there")


def uninstall(kind):
    """Runs the uninstall entry's own silent command line, as Windows would."""
    command = pk.registry_values(kind.key)["QuietUninstallString"]
    exe, switches = command[1:].split('" ', 1)
    folder = pk.registry_values(kind.key)["InstallLocation"]
    start = time.monotonic()
    done = pk.wine(exe, *switches.split())
    e2e.check(done.returncode == 0, f"the uninstaller ended with {done.returncode}")
    # The uninstaller hands over to a copy of itself and returns at once:
    # wait for what it removes.
    pk.wait_for(lambda: not os.path.exists(pk.unix_path(folder))
                and pk.registry_values(kind.key) is None, f"{folder} to go")
    return time.monotonic() - start


def main(args):
    setup = pk.package_path(args, "setup.exe")
    pk.clear_installations()
    with open(args.program, "rb") as built:
        program_bytes = built.read()
    files_before = pk.prefix_files()
    registry_before = pk.registry_snapshot()
    user = pk.current_user_kind()
    everyone = pk.ALL_USERS
    user_folder = pk.current_user_folder()

    # For the current user: no /D=, the user's own programs folder.
    e2e.check(install(setup, "/CurrentUser") == 0, "the per-user install failed")
    check_installed(user, user_folder, program_bytes)
    e2e.check(pk.registry_values(everyone.key) is None, "a per-user install wrote HKLM")
    pk.check_program_starts(f"{user_folder}\\{pk.PROGRAM}", args.winprobe)

    # /S alone, as classroom scripts run it: for all users, and the user's own
    # installation gives way to it rather than doubling it.
    e2e.check(install(setup, folder=FIRST) == 0, "the all-users install failed")
    all_users_time = install.seconds
    check_installed(everyone, FIRST, program_bytes)
    check_not_installed(user, user_folder)
    pk.check_program_starts(f"{FIRST}\\{pk.PROGRAM}", args.winprobe)

    # Over an all-users installation, a silent per-user one changes nothing.
    files_now, registry_now = pk.settled_prefix_state()
    for switches in (["/CurrentUser"], ["/CurrentUser", "/AllUsers"]):
        code = install(setup, *switches)
        e2e.check(code == EXIT_REFUSED, f"/S {' '.join(switches)} ended with {code}")
        e2e.check(pk.prefix_files() == files_now, f"/S {' '.join(switches)} changed files")
        e2e.check(pk.registry_snapshot() == registry_now, f"/S {' '.join(switches)} changed keys")

    # Installing again, elsewhere, replaces the first installation.
    e2e.check(install(setup, "/AllUsers", folder=SECOND) == 0, "the second install failed")
    check_installed(everyone, SECOND, program_bytes)
    e2e.check(not os.path.exists(pk.unix_path(FIRST)), f"{FIRST} is still there")

    uninstall_time = uninstall(everyone)
    check_not_installed(everyone, SECOND)

    e2e.check(install(setup, "/CurrentUser") == 0, "the per-user install failed")
    per_user_time = install.seconds
    uninstall(user)
    check_not_installed(user, user_folder)

    os.rmdir(pk.unix_path(r"C:\SixpointeEssai"))  # the test's own parent folder
    pk.check_prefix_unchanged(files_before, registry_before)
    print(f"silent install: all users {all_users_time:.2f} s, current user {per_user_time:.2f} s;"
          f" silent uninstall {uninstall_time:.2f} s")


if __name__ == "__main__":
    e2e.run(main)
