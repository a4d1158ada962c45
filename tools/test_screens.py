#!/usr/bin/env python3
"""Tests of tools/screens.py that need no display: reading PNGs back, comparing two
folders, masks and crops, the caret's shown look, the guide at 2x, and what is copied
beside the program.

    python3 tools/test_screens.py
"""

import io
import os
import struct
import sys
import tempfile
import unittest
import zlib

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screens  # noqa: E402
from screens import E2EError, Layout, Rect, control  # noqa: E402

Image = screens.e2e.Image


def picture(width, height, colour=(10, 20, 30)):
    return Image(width, height, bytes(colour) * (width * height))


def write_png(path, width, height, channels, rows, filters):
    """A PNG whose rows are filtered with the given filter types, each as the format
    defines it (the reader under test undoes them)."""
    colour = {1: 0, 2: 4, 3: 2, 4: 6}[channels]
    raw, previous = bytearray(), bytes(width * channels)
    for row, kind in zip(rows, filters):
        out = bytearray(len(row))
        for i, v in enumerate(row):
            a = row[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 0:
                pred = 0
            elif kind == 1:
                pred = a
            elif kind == 2:
                pred = b
            elif kind == 3:
                pred = (a + b) >> 1
            else:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
            out[i] = (v - pred) & 0xFF
        raw += bytes([kind]) + out
        previous = row

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0)))
        # Two IDAT chunks: the reader joins them.
        data = zlib.compress(bytes(raw))
        f.write(chunk(b"IDAT", data[:7]) + chunk(b"IDAT", data[7:]) + chunk(b"IEND", b""))


class ReadingPngs(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def test_every_filter_type_reads_back_the_pixels(self):
        w, h = 7, 5
        rows = [bytes((x * 37 + y * 91 + c * 53) % 256 for x in range(w) for c in range(3))
                for y in range(h)]
        write_png(self.path("f.png"), w, h, 3, rows, [0, 1, 2, 3, 4])
        self.assertEqual(screens.read_png(self.path("f.png")), (w, h, rows))

    def test_grey_and_alpha_become_rgb(self):
        write_png(self.path("g.png"), 3, 1, 1, [bytes([0, 128, 255])], [1])
        self.assertEqual(screens.read_png(self.path("g.png"))[2],
                         [bytes([0, 0, 0, 128, 128, 128, 255, 255, 255])])
        write_png(self.path("a.png"), 2, 1, 4, [bytes([1, 2, 3, 255, 4, 5, 6, 0])], [4])
        self.assertEqual(screens.read_png(self.path("a.png"))[2], [bytes([1, 2, 3, 4, 5, 6])])

    def test_what_the_harness_saves_reads_back(self):
        image = Image(3, 2, bytes(range(18)))
        image.save_png(self.path("h.png"))
        self.assertEqual(screens.read_png(self.path("h.png")),
                         (3, 2, [bytes(range(9)), bytes(range(9, 18))]))

    def test_not_a_png_is_refused(self):
        with open(self.path("x.png"), "wb") as f:
            f.write(b"P6 1 1 255\n\0\0\0")
        with self.assertRaises(ValueError):
            screens.read_png(self.path("x.png"))


class Comparing(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.a = os.path.join(self.dir.name, "a")
        self.b = os.path.join(self.dir.name, "b")
        os.makedirs(self.a)
        os.makedirs(self.b)

    def save(self, folder, name, image):
        image.save_png(os.path.join(folder, name))

    def run_compare(self, diffs=None):
        out = io.StringIO()
        return screens.compare(self.a, self.b, diffs, out), out.getvalue()

    def test_identical_folders_pass(self):
        for name in ("1x_01_about.png", "2x_01_about.png"):
            self.save(self.a, name, picture(4, 3))
            self.save(self.b, name, picture(4, 3))
        code, text = self.run_compare()
        self.assertEqual(code, 0, text)
        self.assertIn("2 of 2 pictures identical", text)

    def test_same_pixels_written_differently_pass(self):
        rows = [bytes([9, 8, 7] * 4)] * 3
        self.save(self.a, "s.png", Image(4, 3, b"".join(rows)))
        write_png(os.path.join(self.b, "s.png"), 4, 3, 3, rows, [1, 2, 4])
        self.assertEqual(self.run_compare()[0], 0)

    def test_differing_pixels_are_counted_and_drawn(self):
        self.save(self.a, "menu.png", picture(5, 4))
        changed = screens.blank(picture(5, 4), Rect(1, 1, 2, 3), (200, 0, 0))
        self.save(self.b, "menu.png", changed)
        diffs = os.path.join(self.dir.name, "diffs")
        code, text = self.run_compare(diffs)
        self.assertEqual(code, 1)
        self.assertIn("menu.png: 6 pixels differ", text)
        _, _, rows = screens.read_png(os.path.join(diffs, "menu.png"))
        self.assertEqual(rows[1][3:6], b"\xff\x00\x00")
        self.assertNotEqual(rows[0][3:6], b"\xff\x00\x00")

    def test_missing_and_resized_pictures_fail(self):
        self.save(self.a, "gone.png", picture(2, 2))
        self.save(self.a, "size.png", picture(2, 2))
        self.save(self.b, "size.png", picture(2, 3))
        self.save(self.b, "new.png", picture(2, 2))
        code, text = self.run_compare()
        self.assertEqual(code, 1)
        self.assertIn("gone.png: missing", text)
        self.assertIn("size.png: 2x2 against 2x3", text)
        self.assertIn("new.png: only in", text)

    def test_an_empty_first_folder_is_no_proof(self):
        self.assertEqual(self.run_compare()[0], 1)


class Pictures(unittest.TestCase):
    def test_blank_fills_the_rectangle_clipped_to_the_picture(self):
        image = Image(4, 3, bytes(4 * 3 * 3), x0=10, y0=20)
        masked = screens.blank(image, Rect(12, 21, 5, 5), screens.MASK_COLOUR)
        magenta = [(x, y) for y in range(20, 23) for x in range(10, 14)
                   if masked.pixel(x, y) == screens.MASK_COLOUR]
        self.assertEqual(magenta, [(12, 21), (13, 21), (12, 22), (13, 22)])
        self.assertEqual(image.pixel(12, 21), (0, 0, 0), "the original is left as it was")

    def test_crop_takes_the_rectangle_in_screen_coordinates(self):
        image = Image(3, 2, bytes(range(18)), x0=5, y0=7)
        self.assertEqual(screens.crop(image, Rect(6, 7, 2, 2)),
                         bytes([3, 4, 5, 6, 7, 8, 12, 13, 14, 15, 16, 17]))

    def test_the_caret_is_taken_shown(self):
        caret = Rect(1, 1, 1, 2)
        off = picture(4, 4, (255, 255, 255))
        on = screens.blank(off, caret, (0, 0, 0))
        self.assertIs(screens.caret_shown([off, on, off, on], caret), on)
        self.assertIs(screens.caret_shown([off, off], caret), off)

    def test_a_change_beside_the_caret_is_no_blink(self):
        caret = Rect(1, 1, 1, 2)
        off = picture(4, 4, (255, 255, 255))
        elsewhere = screens.blank(off, Rect(3, 3, 1, 1), (0, 0, 0))
        with self.assertRaises(E2EError):
            screens.caret_shown([off, elsewhere], caret)
        third = screens.blank(off, Rect(1, 1, 1, 1), (0, 0, 0))
        with self.assertRaises(E2EError):
            screens.caret_shown([off, screens.blank(off, caret, (0, 0, 0)), third], caret)


class Guide(unittest.TestCase):
    """The guide read off a picture of the main window at 2x, where a marked face has a
    dark ring wider than the 5 pixels the harness looks in."""

    def window_with(self, marks, ring):
        w, h = 2 * 631, 2 * 446
        image = picture(w, h, (192, 192, 192))
        for index in marks:
            r = Layout.keys(2)[index][1]
            image = screens.blank(image, r, (0, 0, 0))
            image = screens.blank(image, r.inset(ring), screens.YELLOW)
        return image, Rect(0, 0, w, h)

    def test_a_marked_key_with_its_ring(self):
        image, window = self.window_with({76}, ring=8)
        self.assertEqual(screens.guided_character(image, window, 2), "a")

    def test_shift_and_a_key_give_the_shifted_character(self):
        image, window = self.window_with({85, Layout.RIGHT_SHIFT}, ring=8)
        self.assertEqual(screens.guided_character(image, window, 2), ":")

    def test_enter_and_the_space_bar(self):
        image, window = self.window_with({Layout.ENTER}, ring=8)
        self.assertEqual(screens.guided_character(image, window, 2), "\n")
        space = control(Layout.picKeys, Layout.pnlSpace, scale=2)
        image = screens.blank(image, space, screens.YELLOW)
        self.assertEqual(screens.guided_character(image, window, 2), " ")

    def test_two_keys_marked_is_no_answer(self):
        image, window = self.window_with({76, 77}, ring=8)
        self.assertIsNone(screens.guided_character(image, window, 2))


class CopyingTheProgram(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.bin = os.path.join(self.dir.name, "bin")
        self.data = os.path.join(self.dir.name, "data")
        self.app = os.path.join(self.dir.name, "app")
        for d in (self.bin, self.data, self.app):
            os.makedirs(d)

    def touch(self, *parts):
        path = os.path.join(*parts)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(parts[-1])
        return path

    def test_libraries_plugins_and_data_go_beside_the_copy(self):
        binary = self.touch(self.bin, "tapwell")
        for f in screens.e2e.DATA_FILES:
            self.touch(self.data, f)
        self.touch(self.bin, "key.dat")  # beside the binary wins over the data folder
        with open(os.path.join(self.bin, "key.dat"), "w") as f:
            f.write("built")
        self.touch(self.bin, "tapwell-sound.so")
        self.touch(self.bin, "libtapwell_private.so.1")
        self.touch(self.bin, "plugins", "tapwell", "progress.so")
        self.touch(self.bin, "CMakeFiles", "x.dir", "junk.so")
        self.touch(self.bin, "main.cpp.o")
        old = {v: os.environ.pop(v, None)
               for v in ("TAPWELL_SOUND_LIBRARY", "TAPWELL_PROGRESS_LIBRARY")}
        self.addCleanup(lambda: [os.environ.__setitem__(k, v) for k, v in old.items() if v])

        screens.copy_program(binary, self.data, self.app)

        found = sorted(os.path.relpath(os.path.join(root, f), self.app)
                       for root, _, files in os.walk(self.app) for f in files)
        self.assertEqual(found, sorted(["tapwell", "tapwell-sound.so", "libtapwell_private.so.1",
                                        "plugins/tapwell/progress.so"]
                                       + list(screens.e2e.DATA_FILES)))
        with open(os.path.join(self.app, "key.dat")) as f:
            self.assertEqual(f.read(), "built")
        with open(os.path.join(self.app, "tada.wav")) as f:
            self.assertEqual(f.read(), "tada.wav")


if __name__ == "__main__":
    unittest.main()
