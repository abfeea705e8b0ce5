#!/usr/bin/env python3
"""The harness on the bare window: found by its caption, its dot seen on the screen
exactly where its client coordinates put it, then closed as by its close box."""

import e2e

CAPTION = "BareWindow"
DOT = (40, 40)  # centre of the black dot it paints, radius 8
PAPER = [(DOT[0] + 14, DOT[1]), (DOT[0], DOT[1] + 14), (300, 200)]


def main(args):
    with e2e.Program(args.program, CAPTION, args.winprobe) as program:
        windows = program.windows()
        # The window and its client area, and no child window.
        e2e.check([w.kind for w in windows] == ["top", "client"], f"winprobe gave {windows}")
        top, client = windows
        e2e.check(top.visible and top.enabled and top.cls == "BareWindow",
                  f"unexpected main window {top}")
        e2e.check((top.rect.width, top.rect.height) == (569, 399),
                  f"outer size {top.rect.width}x{top.rect.height}")
        e2e.check(top.rect.left < client.rect.left and top.rect.top < client.rect.top,
                  f"client area {client.rect} not inside the frame {top.rect}")

        # X places the window where Windows says the frame is.
        e2e.check(program.geometry() == top.rect,
                  f"X geometry {program.geometry()} differs from {top.rect}")

        e2e.wait_until(lambda: program.dot_present(program.screenshot(), *DOT), 10,
                       "the dot to be painted")
        image = program.screenshot()
        for point in PAPER:
            e2e.check(not program.dot_present(image, *point), f"no white paper at {point}")
            e2e.check(program.client_pixel(image, *point) == (255, 255, 255),
                      f"pixel at {point}: {program.client_pixel(image, *point)}")

        e2e.check(program.close() == 0, "the bare window exited with a failure")


if __name__ == "__main__":
    e2e.run(main)
