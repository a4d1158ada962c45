"""The program's window through a real X server: options saved on Exit, the home keys
on screen, and a Timed Drill run to its result."""

import os
import sys
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import (BLUE, DARK_RED, LIGHT_GREY, WHITE, YELLOW, Layout, Session, close_to,
                         control, marked_keys, ok_shown, wait_until)

HOME_KEYS = {76, 77, 78, 79, 82, 83, 84, 85}  # a s d f j k l ;


class Options(unittest.TestCase):
    def test_exit_saves_the_boxes_clicked_in_the_drill_frame(self):
        with Session(settings="1,0,0,0,0,1\r\n", name=self.id()) as s:
            s.click_about_ok()
            s.click(Layout.menu_button(2))
            frame = s.on_screen(control(Layout.fraDrill))
            s.wait_colour((frame.x + 6, frame.y + 40), YELLOW, 10, "the drill frame")
            s.click_box(Layout.row_box(1))     # Top Row
            s.click_box(Layout.use_shift_box())
            s.click(Layout.drill_stop())
            menu = s.on_screen(control(Layout.fraMenu)).inset(4)
            s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu again")
            s.click(Layout.exit_button())
            self.assertEqual(s.wait_exit(15), 0)
            with open(s.settings_path(), "rb") as f:
                self.assertEqual(f.read(), b"1,1,0,0,1,1\r\n")
            # The shipped defaults beside the program are never written.
            with open(os.path.join(s.app_dir, "tapwell1.ini"), "rb") as shipped, \
                    open(os.path.join(s.data_dir, "tapwell1.ini"), "rb") as original:
                self.assertEqual(shipped.read(), original.read())


class HomeKeys(unittest.TestCase):
    def test_character_drill_waits_with_the_home_keys_marked(self):
        with Session(settings="1,0,0,0,0,1\r\n", name=self.id()) as s:
            s.click_about_ok()
            s.click(Layout.menu_button(2))
            a_key = s.on_screen(Layout.keys()[76][1])
            s.wait_colour(a_key.corners(5)[0], YELLOW, 10, "the A key marked")
            shot = s.screenshot()

            self.assertEqual(marked_keys(shot, s.window), HOME_KEYS)
            for index, (name, rect) in Layout.keys().items():
                if index in HOME_KEYS:
                    continue
                for point in rect.offset(s.window.x, s.window.y).corners(5):
                    with self.subTest(key=name, index=index, point=point):
                        self.assertFalse(close_to(shot.pixel(*point), YELLOW))

            space = s.on_screen(Layout.space_bar())
            for x in range(space.x + 6, space.x + space.w - 6, 20):
                with self.subTest(space_bar_x=x):
                    self.assertEqual(shot.pixel(x, space.y + space.h // 2), LIGHT_GREY)

            # The option boxes stand on the frame's yellow, beside their captions.
            boxes = [Layout.row_box(i) for i in range(4)] + [Layout.use_shift_box(),
                                                             Layout.key_sound_box()]
            for i, box in enumerate(boxes):
                r = s.on_screen(box)
                with self.subTest(box=i):
                    self.assertEqual(shot.pixel(r.x + r.w - 2, r.y + r.h // 2), YELLOW)

            # The fast grab the timing tests rely on sees what import sees.
            fast = s.grab(control(Layout.picKeys))
            for _, rect in Layout.keys().values():
                for point in rect.offset(s.window.x, s.window.y).corners(5):
                    self.assertEqual(fast.pixel(*point), shot.pixel(*point))


class TimedDrill(unittest.TestCase):
    def test_a_typed_run_ended_with_enter_shows_its_result(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id()) as s:
            s.click_about_ok()
            s.click(Layout.menu_button(4))
            wait_until(lambda: ok_shown(s), 10, "the Timed Drill's OK")
            results = s.on_screen(Layout.results())
            blue_points = [(results.x + 5, results.y + 30), (results.x + results.w - 6, results.y + 30),
                           (results.x + results.w // 2, results.y + results.h - 6)]
            self.assertTrue(all(close_to(s.colour_at(p), WHITE) for p in blue_points),
                            "the typing box, not the results, before the run")

            s.click(Layout.ok_button())
            wait_until(lambda: not ok_shown(s), 10, "OK to go when the run starts")
            s.type("the quick brown fox jumps over the lazy dog", 60)
            s.key("Return")
            for p in blue_points:
                s.wait_colour(p, BLUE, 10, "the results frame at %r" % (p,), tolerance=0)
            wait_until(lambda: ok_shown(s), 5, "OK after the end sound")

            shot = s.screenshot()
            caption = control(Layout.fraSpeed, (120, 0, 1500, 270)).offset(s.window.x, s.window.y)
            self.assertGreater(shot.count(caption, lambda c: close_to(c, YELLOW, 40)), 40,
                               "the yellow caption Drill Results")
            label = s.on_screen(Layout.results_label())
            self.assertGreater(shot.count(label, lambda c: close_to(c, WHITE, 40)), 60,
                               "the white words-per-minute text")
            display = s.on_screen(control(Layout.txtTime)).inset(4)
            self.assertFalse(close_to(shot.pixel(display.x, display.y), DARK_RED),
                             "the typed text stays on screen")


class QuietRun(unittest.TestCase):
    def test_help_at_once_a_run_and_exit_print_nothing_on_stderr(self):
        with Session(settings="1,0,0,0,0,1\r\n", name=self.id(), quiet=True) as s:
            # F1 works on the start-up window as it first opens, before any click.
            s.key("F1")
            s.wait_window("^Tapwell Help$", (560, 520))
            s.key("Escape")
            wait_until(lambda: not s.find_window("^Tapwell Help$", (560, 520)), 10,
                       "the help window to close")
            s.click_about_ok()
            s.click(Layout.menu_button(4))
            wait_until(lambda: ok_shown(s), 10, "the Timed Drill's OK")
            s.click(Layout.ok_button())
            wait_until(lambda: not ok_shown(s), 10, "OK to go when the run starts")
            s.type("a quiet run", 30)
            s.key("Return")
            wait_until(lambda: ok_shown(s), 10, "OK after the result")
            s.click(control(Layout.fraTime, (1440, 480, 615, 615)))  # Stop: the menu
            menu = s.on_screen(control(Layout.fraMenu)).inset(4)
            s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu again")
            s.click(Layout.exit_button())
            self.assertEqual(s.wait_exit(15), 0)
            self.assertEqual(s.read("tapwell.stderr"), "")


if __name__ == "__main__":
    unittest.main()
