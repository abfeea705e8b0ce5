#!/usr/bin/env python3
"""The harness on Wine's own Notepad: a click puts the focus in the edit control,
typed accented text and key combinations arrive, and winprobe reads the text back."""

import e2e

TEXT = "Élève à Noël : ç, œ, § «ù»"


def notepad_caption(probe):
    """The caption of Notepad's window, which follows the prefix's language."""
    found = [w.text for w in probe.top_level() if w.cls == "Notepad"]
    return found[0] if len(found) == 1 else None


def main(args):
    program = e2e.Program(args.program, None, args.winprobe)
    e2e.check(notepad_caption(program.probe) is None, "a Notepad window is already open")
    program.start()
    try:
        program.caption = e2e.wait_until(lambda: notepad_caption(program.probe), 30,
                                         "Notepad's window")
        program.wait_window()

        edit = program.control(cls="Edit")
        e2e.check(edit.visible and edit.enabled and edit.text == "", f"unexpected {edit}")
        left, top = program.to_screen(0, 0)
        e2e.check(edit.rect.left <= left + 20 < edit.rect.right and
                  edit.rect.top <= top + 20 < edit.rect.bottom,
                  f"client point (20, 20) is not in the edit control {edit.rect}")
        program.click(20, 20)

        program.type(TEXT)
        e2e.wait_until(lambda: program.control(cls="Edit").text == TEXT, 10, repr(TEXT))
        program.key("BackSpace", "BackSpace")
        e2e.wait_until(lambda: program.control(cls="Edit").text == TEXT[:-2], 10,
                       repr(TEXT[:-2]))
        program.key("ctrl+a")
        program.type("x")
        e2e.wait_until(lambda: program.control(cls="Edit").text == "x", 10, "'x' alone")
    except BaseException:
        e2e.save_failure_screen()
        raise
    finally:
        program.stop()  # Notepad would ask whether to save the text


if __name__ == "__main__":
    e2e.run(main)
