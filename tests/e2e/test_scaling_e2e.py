"""The main window resized through the X server: the layout scales with it, a drill
line typed by the guide at the new size ends with its result, and Exit keeps the size
for the next start, beside the settings file and not in it."""

import os
import re
import sys
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import (BLUE, WHITE, YELLOW, Layout, Rect, Session, close_to, control,
                         ok_shown, type_line_by_guide, wait_until)

LAID_OUT = Layout.WINDOW  # the window's size at the layout's own scale
NEW_SIZE = (1000, 600)    # wider than the layout: it stands centred


def layout_area(window, size):
    """The layout's scale and its area on screen in a window of this size, as the program
    fits it: the largest scale at which it fits, centred."""
    scale = min(size[0] / LAID_OUT[0], size[1] / LAID_OUT[1])
    w, h = int(LAID_OUT[0] * scale + 0.5), int(LAID_OUT[1] * scale + 0.5)
    return scale, Rect(window.x + (size[0] - w) // 2, window.y + (size[1] - h) // 2, w, h)


class Resized(unittest.TestCase):
    def test_a_drill_line_typed_in_a_resized_window(self):
        with Session(settings="1,0,0,0,0,1\r\n", name=self.id()) as s:
            s.click_about_ok()
            wid = s.window.wid
            s.xdotool("windowmove", "--sync", wid, 0, 0)  # all of it on the screen
            s.xdotool("windowsize", wid, *NEW_SIZE)
            window = s.wait_window("^Tapwell$", NEW_SIZE)
            scale, area = layout_area(window, NEW_SIZE)
            s.window = area  # controls are placed from the layout's top left

            # The menu at its new place and size: red inside "Choices", the window's own
            # dark red left of the layout.
            menu = s.on_screen(control(Layout.fraMenu, scale=scale)).inset(6)
            s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu scaled")
            self.assertTrue(close_to(s.colour_at((window.x + 2, window.y + 300)), (192, 0, 0)))

            s.click(control(Layout.fraMenu, (360, 360 + 480 * 2, 2655, 375), scale=scale))
            a_key = s.on_screen(Layout.keys(scale)[76][1])
            s.wait_colour(a_key.corners(5)[0], YELLOW, 10, "the A key marked")
            ok = control(Layout.cmdOK, scale=scale)
            s.click(ok)
            wait_until(lambda: not ok_shown(s, scale), 10, "OK to go when the line starts")

            typed = type_line_by_guide(s, pace=0.05, scale=scale)
            self.assertEqual(len(typed), 22)  # 21 characters and the line's Enter
            self.assertEqual(typed[-1][0], "\n")

            wait_until(lambda: ok_shown(s, scale), 15, "OK after the line's result")
            shot = s.screenshot()
            results = s.on_screen(control(Layout.fraSpeed, scale=scale))
            self.assertTrue(close_to(shot.pixel(results.x + 6, results.y + results.h - 8), BLUE))
            label = s.on_screen(control(Layout.fraSpeed, Layout.lblSpeed, scale=scale))
            self.assertGreater(shot.count(label, lambda c: close_to(c, WHITE, 40)), 80,
                               "the accuracy, in white, at the new size")
            # Every key was right: the guide marks nothing now.
            keys = Layout.keys(scale)
            self.assertFalse(any(all(close_to(shot.pixel(*p), YELLOW)
                                     for p in s.on_screen(r).corners(5))
                                 for _, r in keys.values()))

            s.click(control(Layout.fraDrill, (1440, 2040, 615, 615), scale=scale))  # Stop
            s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu again")
            s.click(control(Layout.fraHelp, (2040, 240, 855, 375), scale=scale))  # Exit
            self.assertEqual(s.wait_exit(15), 0)

            with open(os.path.join(s.config_dir, "tapwell", "tapwell.conf")) as f:
                options = f.read()
            self.assertRegex(options, re.escape("size=@Size(%d %d)" % NEW_SIZE))
            with open(s.settings_path(), "rb") as f:
                self.assertEqual(f.read(), b"1,0,0,0,0,1\r\n")


if __name__ == "__main__":
    unittest.main()
