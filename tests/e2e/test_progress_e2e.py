"""The progress record through a real X server: a child types two Character Drill
lines, a Keyboard Practice finger and a Timed Drill run; after Exit the record holds
exactly those rows, each with the keys that were typed."""

import contextlib
import os
import pwd
import sqlite3
import sys
import time
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import (Layout, Session, control, guided_character, keysym, ok_shown,
                         type_line_by_guide, wait_until)


def account_child_name():
    """The first child's name as the program makes it from the account."""
    entry = pwd.getpwuid(os.getuid())
    words = entry.pw_gecos.split(",")[0].split()
    return words[0][:40] if words else entry.pw_name


def query(path, sql, *args):
    with contextlib.closing(sqlite3.connect(path)) as db:
        return db.execute(sql, args).fetchall()


class ProgressRecord(unittest.TestCase):
    def back_to_menu(self, s, stop):
        s.click(stop)
        menu = s.on_screen(control(Layout.fraMenu)).inset(4)
        s.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu again")

    def practice_one_finger(self, s):
        """Types by the guide until the record holds the finger; returns the keys typed."""
        keys_rect = control(Layout.picKeys)
        pressed = []

        def stable_guide():
            first = guided_character(s.grab(keys_rect), s.window)
            time.sleep(0.03)
            second = guided_character(s.grab(keys_rect), s.window)
            return first if first is not None and first == second else None

        def recorded():
            return query(s.progress_path(), "SELECT count(*) FROM line")[0][0] == 3

        while len(pressed) < 60:
            ch = wait_until(stable_guide, 5, "the guide to mark a practice key")
            s.key(keysym(ch))
            pressed.append(ch)
            if len(pressed) % 3:
                continue
            # Each key is asked for three times. After the third the key stays marked
            # through the program's half-second pause; then the record is written when
            # that was the finger's last key, and the next key is marked (the next
            # finger, picked at random, may start with this same key).
            wait_until(lambda: recorded() or stable_guide() not in (None, ch), 10,
                       "the record or the guide to move on from %r" % ch)
            if recorded():
                return pressed
        self.fail("the practice finger did not end after 60 keys")

    def test_a_child_leaves_exactly_the_rows_typed(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id()) as s:
            s.click_about_ok()  # one child: nobody is asked who is typing

            s.click(Layout.menu_button(2))
            wait_until(lambda: ok_shown(s), 10, "the Character Drill's OK")
            lines = []
            for _ in range(2):
                s.click(Layout.ok_button())
                lines.append([ch for ch, _, _ in type_line_by_guide(s)])
                wait_until(lambda: ok_shown(s), 10, "OK after the line's end")
            self.back_to_menu(s, Layout.drill_stop())

            s.click(Layout.menu_button(1))
            wait_until(lambda: ok_shown(s), 10, "the Keyboard Practice's OK")
            s.click(Layout.ok_button())
            practised = self.practice_one_finger(s)
            self.back_to_menu(s, Layout.drill_stop())

            s.click(Layout.menu_button(4))
            wait_until(lambda: ok_shown(s), 10, "the Timed Drill's OK")
            s.click(Layout.ok_button())
            wait_until(lambda: not ok_shown(s), 10, "OK to go when the run starts")
            run = "the cat sat"
            s.type(run, 40)
            s.key("Return")
            wait_until(lambda: ok_shown(s), 10, "OK after the result")
            self.back_to_menu(s, Layout.time_stop())

            s.click(Layout.exit_button())
            self.assertEqual(s.wait_exit(15), 0)
            path = s.progress_path()

            self.assertEqual(query(path, "SELECT name, picture FROM child"),
                             [(account_child_name(), "fox")])
            rows = query(path, "SELECT l.id, c.name, l.activity, l.rows, l.shift, l.chars, "
                               "l.right_keys, l.wrong_keys, l.wpm, l.accuracy "
                               "FROM line l JOIN child c ON c.id = l.child_id ORDER BY l.id")
            self.assertEqual([r[2] for r in rows], ["character", "character", "practice",
                                                    "timed"])
            self.assertTrue(all(r[1] == account_child_name() for r in rows))
            for row, typed in zip(rows[:2], lines):
                with self.subTest(line=row[0]):
                    _, _, _, chosen, shift, chars, right, wrong, wpm, accuracy = row
                    self.assertEqual((chosen, shift, chars, wrong, wpm, accuracy),
                                     ("home", 0, len(typed) - 1, 0, None, 100.0))
                    keys = query(path, "SELECT expected, typed FROM keystroke WHERE line_id = ? "
                                       "ORDER BY seq", row[0])
                    self.assertEqual(keys, [(13 if c == "\n" else ord(c),) * 2 for c in typed])
            practice = rows[2]
            self.assertEqual(practice[3:8], ("home", 0, len(practised), len(practised), 0))
            self.assertEqual(query(path, "SELECT typed FROM keystroke WHERE line_id = ? "
                                         "ORDER BY seq", practice[0]),
                             [(13 if c == "\n" else ord(c),) for c in practised])
            timed = rows[3]
            self.assertEqual(timed[5], len(run))
            self.assertIsNotNone(timed[8])
            self.assertEqual(query(path, "SELECT count(*) FROM keystroke WHERE line_id = ?",
                                   timed[0]), [(0,)])
            self.assertEqual(query(path, "PRAGMA integrity_check"), [("ok",)])


if __name__ == "__main__":
    unittest.main()
