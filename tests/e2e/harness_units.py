#!/usr/bin/env python3
"""The parts of the end-to-end harness that need no display: reading winprobe's lines,
reading pictures, telling a dot from paper, the keyboard, the caption pattern and the
tests' own table of Braille cells."""

import re
import unittest

import braille_cells
import e2e
import keyboard
import screen
import winprobe

WHITE, BLACK, GREY = (255, 255, 255), (0, 0, 0), (240, 240, 240)


def picture(width, height, paint):
    """An Image whose pixel (x, y) is paint(x, y)."""
    data = bytearray()
    for y in range(height):
        for x in range(width):
            data += bytes(paint(x, y))
    return screen.Image(width, height, bytes(data))


class WinProbeLines(unittest.TestCase):
    def test_fields_and_escapes(self):
        line = "child\t0x1a2b\t0x10\tEdit\tl1\\r\\nl2\\tx\\\\y\t1004\t1\t0\t-4\t20\t100\t60"
        window = winprobe.parse_line(line)
        self.assertEqual(window, winprobe.Window(
            "child", 0x1a2b, 0x10, "Edit", "l1\r\nl2\tx\\y", 1004, True, False,
            winprobe.Rect(-4, 20, 100, 60)))
        self.assertEqual((window.rect.width, window.rect.height, window.rect.centre),
                         (104, 40, (48, 40)))

    def test_top_level_has_no_parent(self):
        window = winprobe.parse_line("top\t0x10058\t0\tBareWindow\tBareWindow\t0\t1\t1\t227\t184"
                                     "\t796\t583")
        self.assertEqual((window.hwnd, window.parent, window.text), (0x10058, 0, "BareWindow"))

    def test_malformed_line_is_refused(self):
        with self.assertRaises(ValueError):
            winprobe.parse_line("child\t0x1\tEdit")


class Pictures(unittest.TestCase):
    def test_ppm_with_comment(self):
        blob = b"P6\n# from xwd\n2 2\n255\n" + bytes([1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12])
        image = screen.parse_ppm(blob)
        self.assertEqual((image.width, image.height), (2, 2))
        self.assertEqual(image.pixel(1, 0), (4, 5, 6))
        self.assertEqual(image.pixel(0, 1), (7, 8, 9))
        with self.assertRaises(IndexError):
            image.pixel(2, 0)

    def test_crop(self):
        image = picture(4, 3, lambda x, y: (x, y, 7))
        part = image.crop(1, 1, 3, 3)
        self.assertEqual((part.width, part.height), (2, 2))
        self.assertEqual([part.pixel(0, 0), part.pixel(1, 0), part.pixel(0, 1), part.pixel(1, 1)],
                         [(1, 1, 7), (2, 1, 7), (1, 2, 7), (2, 2, 7)])
        with self.assertRaises(IndexError):
            image.crop(2, 0, 5, 1)

    def test_sixteen_bit_ppm_is_refused(self):
        with self.assertRaises(ValueError):
            screen.parse_ppm(b"P6 1 1 65535\n" + bytes(6))

    def test_dot_paper_and_anything_else(self):
        # A black disc of radius 4 at (10, 10) on white, a grey band at x >= 30.
        def paint(x, y):
            if x >= 30:
                return GREY if x < 35 else BLACK
            return BLACK if (x - 10) ** 2 + (y - 10) ** 2 <= 16 else WHITE
        image = picture(40, 20, paint)
        self.assertTrue(screen.dot_present(image, 10, 10))
        self.assertFalse(screen.dot_present(image, 20, 10))
        self.assertEqual(screen.classify(image, 14, 10), "mixed")  # the dot's edge
        self.assertEqual(screen.classify(image, 32, 10), "white")  # light grey is paper
        with self.assertRaises(AssertionError):
            screen.dot_present(image, 35, 10)  # half grey, half black


class Keyboard(unittest.TestCase):
    def test_french_letters_and_signs_have_keys(self):
        self.assertLessEqual(len(keyboard.key_levels()), len(keyboard.SPARE_KEYS))
        for char in "aZ 9~éÉàÀçÇœŒÿŸùÙ§«»€°":
            self.assertTrue(keyboard.typeable(char), char)
        for char in "ñ™\u2026":
            self.assertFalse(keyboard.typeable(char), char)

    def test_keymap_lines(self):
        keymap = keyboard.keymap()
        self.assertIn("override key <I147> { [ 0xe0, 0xc0 ] };", keymap)  # à À
        self.assertIn("0x1000153, 0x1000152", keymap)  # œ Œ as Unicode keysyms
        self.assertIn("0x10020ac", keymap)  # €


class Captions(unittest.TestCase):
    def test_exact_pattern(self):
        caption = "Sixpointe 1.0 - L'alphabet Braille pour les voyants (a|b) [x]*"
        pattern = e2e.ere_exact(caption)
        self.assertTrue(re.fullmatch(pattern, caption))
        self.assertFalse(re.fullmatch(pattern, caption.replace(".", "x")))
        self.assertFalse(re.fullmatch(pattern, caption + " "))


class BrailleCells(unittest.TestCase):
    def test_every_character_once_with_its_own_cells(self):
        cells = braille_cells.CELLS
        self.assertEqual(len(cells), 103)
        self.assertEqual(len(set(cells.values())), 103)
        for text, (first, second) in cells.items():
            self.assertEqual(len(text.encode("cp1252")), 2 if text in ("OE", "oe") else 1)
            for cell in (first, second):
                self.assertEqual(cell, "".join(sorted(set(cell) & set("123456"))), text)
            self.assertTrue(second, f"{text!r} has an empty second cell")

    def test_prefixes(self):
        for text, (first, _) in braille_cells.CELLS.items():
            expected = "46" if text.isupper() else "6" if text.isdigit() else ""
            self.assertEqual(first, expected, text)

    def test_lowered_dots_leave_the_cells(self):
        self.assertEqual(braille_cells.lowered(("46", "1")), ("1235", "23456"))
        self.assertEqual(braille_cells.lowered(("", "346")), ("123456", "125"))

    def test_other_character_differs_by_its_prefix_where_it_can(self):
        self.assertEqual(braille_cells.other_character("A"), "a")
        self.assertEqual(braille_cells.other_character("9"), "OE")
        self.assertEqual(braille_cells.other_character("a"), "A")
        for text in braille_cells.CELLS:
            self.assertNotEqual(braille_cells.other_character(text), text)


if __name__ == "__main__":
    unittest.main()
