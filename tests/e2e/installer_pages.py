#!/usr/bin/env python3
"""The installer as a person goes through it, key by key and click by click:
the program's own picture, a title without a trailing blank, the choice of
"pour moi seulement" (the default) or "pour tous les utilisateurs", sizes
written as Windows writes them in French, and an installation of the other
kind named before anything is doubled. Keeps a picture of each page.

Extra arguments: --packages DIR --wizard-picture BMP --artifacts DIR.
"""

import math
import os
import re
import subprocess

import e2e
import packages as pk
import screen

CAPTION = "Installation de Sixpointe 1.0"
FOR_ME = "pour moi seulement"
FOR_ALL = "pour tous les utilisateurs"
NEXT, INSTALL, CLOSE, BACK = "&Suivant >", "&Installer", "&Fermer", "< &Précédent"
# Message boxes answer by the ids of their buttons, whatever the system's language.
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7
UNITS = ["Ko", "Mo", "Go", "To", "Po"]


class Wizard(e2e.Program):
    """The installer's window; its message boxes carry the same caption."""

    def __init__(self, setup, args):
        super().__init__(setup, CAPTION, args.winprobe)
        self.artifacts = args.extra[args.extra.index("--artifacts") + 1]

    def wait_page(self, text):
        """The windows of the page that shows a control with this text."""
        def shown():
            windows = self.windows()
            return windows if any(w.text == text and w.visible for w in windows) else None
        windows = e2e.wait_until(shown, 20, f"a page showing {text!r} titled exactly {CAPTION!r}")
        e2e.check(windows[0].text == CAPTION, f"the title is {windows[0].text!r}")
        return windows

    def text_of(self, windows, control_id):
        return next(w.text for w in windows if w.kind == "child" and w.id == control_id)

    def press(self, windows, text=None, id=None):
        """A click on the button with that text (its "&" left out) or id."""
        button = [w for w in windows if w.kind == "child" and w.cls == "Button" and w.visible
                  and (text is None or w.text.replace("&", "") == text.replace("&", ""))
                  and (id is None or w.id == id)]
        e2e.check(len(button) == 1, f"{len(button)} buttons {text or id!r}")
        self.click_window(button[0])

    def keep_picture(self, name):
        """The window in front, from its own X window: message boxes show
        black in a picture of the whole screen."""
        frame = self.window("top").rect
        where = f"{frame.width}x{frame.height}+{frame.left}+{frame.top}"
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True,
                              check=True, timeout=30).stdout
        found = [line.split()[0] for line in tree.splitlines()
                 if f'"{CAPTION}"' in line and where in line]
        e2e.check(found, f"no X window {CAPTION!r} at {where}")
        os.makedirs(self.artifacts, exist_ok=True)
        path = os.path.join(self.artifacts, f"installer-{name}.png")
        picture = subprocess.run(["xwd", "-id", found[0], "-silent"], capture_output=True,
                                 check=True, timeout=30).stdout
        subprocess.run([screen.CONVERT, "xwd:-", f"png:{path}"], input=picture, check=True,
                       timeout=60)


def read_bmp(path):
    """The picture as an e2e.Image, through ImageMagick."""
    done = subprocess.run(["/usr/bin/convert", path, "ppm:-"], capture_output=True, check=True,
                          timeout=60)
    return screen.parse_ppm(done.stdout)


def check_welcome_picture(wizard, picture_path):
    """The page's left side is the picture drawn from the program's icon, pixel for pixel."""
    picture = read_bmp(picture_path)
    shot = wizard.screenshot()
    left, top = wizard.client_origin()
    shown = shot.crop(left, top, left + picture.width, top + picture.height)
    differing = sum(1 for y in range(picture.height) for x in range(picture.width)
                    if shown.pixel(x, y) != picture.pixel(x, y))
    e2e.check(differing == 0, f"{differing} pixels of the welcome page's picture differ")


def required_ko(packaged_folder):
    """What the program's files take, in Ko rounded up file by file, as NSIS counts."""
    sizes = [os.path.getsize(os.path.join(packaged_folder, name)) for name in pk.PROGRAM_FILES]
    return sum(math.ceil(size / 1024) for size in sizes)


def check_free_space(text):
    """Three significant digits and a decimal comma, near what the drive has free."""
    match = re.fullmatch(r"Espace disponible : (\d+)(?:,(\d+))? (Ko|Mo|Go|To|Po)", text)
    e2e.check(match, f"the page says {text!r}")
    whole, decimals, unit = match.groups()
    e2e.check(len(whole) + len(decimals or "") == 3, f"{text!r}: not 3 digits")
    shown = float(f"{whole}.{decimals or 0}") * 1024 ** (UNITS.index(unit) + 1)
    drive = os.statvfs(pk.unix_path("C:\\"))
    free = drive.f_bavail * drive.f_frsize
    e2e.check(abs(shown - free) <= 0.02 * free, f"{text!r}, but {free} bytes are free")


def check_space_texts(windows, packaged_folder, with_free):
    required = next(w.text for w in windows if w.id == 1023)
    expected = f"Espace requis : {required_ko(packaged_folder)} Ko"
    e2e.check(required == expected, f"the page says {required!r}, not {expected!r}")
    if with_free:
        check_free_space(next(w.text for w in windows if w.id == 1024))


def choose(wizard, kind_text):
    windows = wizard.wait_page(FOR_ME)
    wizard.press(windows, kind_text)
    wizard.press(windows, NEXT)


def first_install(args, user_folder, packaged_folder):
    with Wizard(pk.package_path(args, "setup.exe"), args) as wizard:
        windows = wizard.wait_page(NEXT)
        wizard.keep_picture("1-welcome")
        check_welcome_picture(wizard, args.extra[args.extra.index("--wizard-picture") + 1])
        wizard.press(windows, NEXT)

        windows = wizard.wait_page(FOR_ME)
        wizard.keep_picture("2-kind")
        e2e.check(any(w.text == FOR_ALL for w in windows), f"no choice {FOR_ALL!r}")
        e2e.check(any(user_folder in w.text for w in windows), f"the page does not name {user_folder}")
        wizard.press(windows, NEXT)  # the default: for me only

        windows = wizard.wait_page("Choisissez les composants")
        wizard.keep_picture("3-components")
        check_space_texts(windows, packaged_folder, with_free=False)
        wizard.press(windows, NEXT)

        windows = wizard.wait_page(INSTALL)
        wizard.keep_picture("4-folder")
        folder = next(w.text for w in windows if w.cls == "Edit")
        e2e.check(folder == user_folder, f"the page offers {folder!r}")
        check_space_texts(windows, packaged_folder, with_free=True)
        wizard.press(windows, INSTALL)

        windows = wizard.wait_page("Fin de l'installation de Sixpointe 1.0")
        wizard.keep_picture("5-finish")
        wizard.press(windows, "Lancer Sixpointe 1.0")  # not now
        wizard.press(windows, CLOSE)
        e2e.check(wizard.process.wait(30) == 0, "the installer ended with a failure")


def message(wizard):
    """The message box in front of the page: its text and its buttons."""
    def shown():
        windows = wizard.windows()
        is_page = any(w.text == BACK for w in windows)
        return None if is_page else windows
    windows = e2e.wait_until(shown, 20, "a message box")
    text = " ".join(w.text for w in windows if w.cls == "Static" and w.text)
    return text, windows


def other_kind_named(args, folder, kind_text, answer):
    """Choosing kind_text over an installation of the other kind in `folder`:
    a message names that folder, and the button `answer` (an id) leaves the
    user on the page."""
    with Wizard(pk.package_path(args, "setup.exe"), args) as wizard:
        wizard.press(wizard.wait_page(NEXT), NEXT)
        choose(wizard, kind_text)
        text, windows = message(wizard)
        wizard.keep_picture(f"6-other-kind-{'all' if kind_text == FOR_ALL else 'me'}")
        e2e.check(f"« {folder} »" in text, f"the message does not name {folder}: {text!r}")
        wizard.press(windows, id=answer)
        wizard.press(wizard.wait_page(FOR_ME), "Annuler")
        text, windows = message(wizard)
        e2e.check("quitter" in text, f"cancelling asks {text!r}")
        wizard.press(windows, id=IDYES)
        wizard.process.wait(30)


def main(args):
    pk.clear_installations()
    files_before = pk.prefix_files()
    registry_before = pk.registry_snapshot()
    user, everyone = pk.current_user_kind(), pk.ALL_USERS
    user_folder = pk.current_user_folder()

    first_install(args, user_folder, os.path.dirname(os.path.abspath(args.program)))
    e2e.check(pk.registry_values(user.key)["InstallLocation"] == user_folder,
              "not installed for the current user")
    e2e.check(pk.registry_values(everyone.key) is None, "installed for all users")

    other_kind_named(args, user_folder, FOR_ALL, IDCANCEL)
    e2e.check(pk.registry_values(user.key) is not None, "the user's installation went")
    pk.wine(f"{user_folder}\\{pk.UNINSTALLER}", "/S", "/CurrentUser")
    pk.wait_for(lambda: pk.registry_values(user.key) is None, "the per-user uninstall")

    all_users_folder = r"C:\SixpointeEssai\PourTous"
    e2e.check(pk.wine(pk.package_path(args, "setup.exe"), "/S",
                      f"/D={all_users_folder}").returncode == 0, "the silent install failed")
    other_kind_named(args, all_users_folder, FOR_ME, IDNO)
    e2e.check(pk.registry_values(user.key) is None, "installed for the user after all")
    pk.wine(f"{all_users_folder}\\{pk.UNINSTALLER}", "/S")
    pk.wait_for(lambda: pk.registry_values(everyone.key) is None
                and not os.path.exists(pk.unix_path(all_users_folder)), "the uninstall")

    os.rmdir(pk.unix_path(r"C:\SixpointeEssai"))
    pk.check_prefix_unchanged(files_before, registry_before)


if __name__ == "__main__":
    e2e.run(main)
