"""The Home Row lesson typed through the X server from its first page to its end, at a
child's pace and at 150 words per minute (keys typed during the program's half-second
pauses wait their turn)."""

import os
import sys
import unittest

sys.dont_write_bytecode = True
import keydata
from tapwell_e2e import (DARK_RED, YELLOW, Layout, Session, close_to, control, marked_keys,
                         ok_shown, wait_until)

HOME_ROW_LESSON = 1


def dark_text(colour):
    return max(colour) < 70


class HomeRowLesson(unittest.TestCase):
    def type_the_lesson(self, delay_ms):
        data = os.environ.get("TAPWELL_DATA")
        left, left_shifted, right, right_shifted = keydata.lesson_practice(
            os.path.join(data, "key.dat"), HOME_ROW_LESSON)
        keys = {ch: index for index, (ch, _) in Layout.keys().items()}
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id()) as s:
            s.click_about_ok()
            s.click(Layout.menu_button(0))
            wait_until(lambda: dark_text_in(s, Layout.learn_button(1)), 10, "the lesson choices")
            s.click(Layout.learn_button(HOME_ROW_LESSON))
            next_button = control(Layout.cmdNext[1])
            wait_until(lambda: not window_behind(s, next_button), 10, "the Next button")
            s.click(next_button)
            # Page 2, the home position: the home keys marked, J among them.
            wait_until(lambda: keys["j"] in marked(s), 10, "the home position page")
            s.click(next_button)
            # Page 3: the practice asks for the left little finger's first key, that alone.
            wait_until(lambda: marked(s) == {keys[left[0]]}, 10, "the first practice key marked")
            for rect in (control(Layout.cmdNext[0]), next_button):
                self.assertTrue(window_behind(s, rect), "Previous and Next gone on page 3")

            s.type("".join(left), delay_ms)
            self.shift_hint(s, Layout.RIGHT_SHIFT)
            s.type("".join(left_shifted + right), delay_ms)
            self.shift_hint(s, Layout.LEFT_SHIFT)
            s.type("".join(right_shifted), delay_ms)

            # The lesson ends through Stop: the display goes, the choices come back.
            display = s.on_screen(Layout.display())
            s.wait_colour((display.x + 10, display.y + 10), DARK_RED, 30,
                          "the display to go at the lesson's end")
            shot = s.screenshot()
            for i in range(5):
                with self.subTest(lesson_button=i):
                    button = s.on_screen(Layout.learn_button(i))
                    self.assertGreater(shot.count(button, dark_text), 20,
                                       "the lesson button's caption is black, not greyed")
            for rect in (control(Layout.cmdNext[0]), control(Layout.cmdNext[1])):
                r = s.on_screen(rect)
                self.assertEqual(shot.pixel(r.x + 6, r.y + 6), DARK_RED)
            self.assertEqual(marked_keys(shot, s.window), set())
            self.assertFalse(ok_shown(s))

    def shift_hint(self, s, shift_key):
        """The Shift hint page: OK shown, the other hand's Shift marked; Enter presses OK."""
        wait_until(lambda: ok_shown(s), 20, "the Shift hint page's OK")
        shift = s.on_screen(Layout.keys()[shift_key][1])
        s.wait_colour(shift.corners(5)[0], YELLOW, 5, "the Shift key marked")
        s.key("Return")
        wait_until(lambda: not ok_shown(s), 5, "OK to go")

    def test_at_a_childs_pace(self):
        self.type_the_lesson(150)

    def test_at_150_words_per_minute(self):
        self.type_the_lesson(80)


def window_behind(s, rect):
    """Whether only the window's dark red shows where a control would be."""
    r = s.on_screen(rect)
    return close_to(s.colour_at((r.x + 6, r.y + 6)), DARK_RED)


def marked(s):
    """The keys marked on screen now."""
    return marked_keys(s.grab(control(Layout.picKeys)), s.window)


def dark_text_in(s, rect):
    return s.grab(rect).count(s.on_screen(rect), dark_text) > 20


if __name__ == "__main__":
    unittest.main()
