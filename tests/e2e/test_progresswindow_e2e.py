""""My Progress" through a real X server: a child types a Character Drill line with one
wrong key, goes back to the menu and presses Alt+P. The window opens beside the main
window with the trouble map drawn from that line (the typed keys coloured, the missed
one darker, the others striped grey), and is screenshot; Escape closes it and the menu
screen is as it was."""

import os
import sys
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import (Layout, Rect, Session, control, guided_character, keysym, ok_shown,
                         type_line_by_guide, wait_until)

BLUE = (0, 0, 255)
CREAM = (255, 247, 236)         # no misses
STRIPE_LIGHT = (212, 212, 212)  # never asked for
HOME_KEYS = "asdfjkl;"


def board(image, rect):
    """The keyboard's blue board inside a window: its bounding box."""
    xs, ys = [], []
    for y in range(rect.y, rect.y + rect.h):
        for x in range(rect.x, rect.x + rect.w):
            if image.pixel(x, y) == BLUE:
                xs.append(x)
                ys.append(y)
    return Rect(min(xs), min(ys), max(xs) + 1 - min(xs), max(ys) + 1 - min(ys)) if xs else None


def face_colour(image, keys, ch):
    """The colour of a key's face on the map, at its lower left, clear of the captions."""
    rect = next(r for c, r in Layout.keys().values() if c == ch)
    return image.pixel(keys.x + rect.x + 6, keys.y + rect.y + rect.h - 7)


def missed_face(c):
    """A face coloured for misses: warmer and darker than the cream of no misses, and not
    the grey of the stripes."""
    r, g, b = c
    return c != CREAM and g < 240 and r > g + 15 and r > b + 30


class ProgressWindow(unittest.TestCase):
    def test_alt_p_after_a_line_shows_the_childs_keys(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id()) as s:
            s.click_about_ok()
            s.click(Layout.menu_button(2))
            wait_until(lambda: ok_shown(s), 10, "the Character Drill's OK")
            s.click(Layout.ok_button())
            # One wrong key first: the key asked for is missed once.
            asked = wait_until(lambda: guided_character(s.grab(control(Layout.picKeys)),
                                                        s.window), 5, "the first key")
            wrong = next(c for c in HOME_KEYS if c != asked)
            s.key(keysym(wrong))
            type_line_by_guide(s)
            wait_until(lambda: ok_shown(s), 10, "OK after the line's end")
            s.click(Layout.drill_stop())
            menu = s.on_screen(control(Layout.fraMenu)).inset(4)
            s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu again")

            s.key("alt+p")
            rect = s.wait_window("^My Progress$")  # shown, with the keyboard focus

            def drawn():
                image = s.screenshot()
                keys = board(image, rect)
                if not keys or keys.w < 600:
                    return None
                return image, keys

            image, keys = wait_until(drawn, 20, "the trouble map")
            image.save_png(os.path.join(os.getcwd(), "progress-window.png"))
            self.assertGreater(image.count(keys, lambda c: c == CREAM), 500,
                               "the keys typed right are coloured as never missed")
            self.assertGreater(image.count(keys, lambda c: c == STRIPE_LIGHT), 500,
                               "the keys never asked for are striped grey")
            self.assertTrue(missed_face(face_colour(image, keys, asked)),
                            "the missed key %r (typed %r) is darker than the others: %r"
                            % (asked, wrong, face_colour(image, keys, asked)))
            q = face_colour(image, keys, "q")  # never asked for: a grey of the stripes
            self.assertTrue(q[0] == q[1] == q[2] and 150 <= q[0] <= 215, q)

            # Escape closes it; the main window's menu screen is as it was.
            s.key("Escape")
            wait_until(lambda: s.find_window("^My Progress$") is None, 10, "the window to close")
            s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu still there")


if __name__ == "__main__":
    unittest.main()
