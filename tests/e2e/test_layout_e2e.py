"""The keyboard a child has: with the X server's layout set to German (setxkbmap de), the
on-screen keyboard shows QWERTZ, a Home Row Character Drill line asks for the German home
row's keys, and typed through the X server with ö and ä it is judged right and recorded
with their code points and the layout's name."""

import contextlib
import sqlite3
import subprocess
import sys
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import Layout, Session, ok_shown, wait_until  # noqa: E402

GERMAN_HOME_ROW = set("asdfghjklöä")


def find(tree, pred):
    if tree is None:
        return None
    if pred(tree):
        return tree
    for child in tree["children"]:
        found = find(child, pred)
        if found is not None:
            return found
    return None


def query(path, sql):
    with contextlib.closing(sqlite3.connect(path)) as db:
        return db.execute(sql).fetchall()


class KeyboardLayouts(unittest.TestCase):
    def test_a_german_child_types_their_own_home_row(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id(), accessibility=True) as s:
            subprocess.run(["setxkbmap", "-display", s.display, "de"], check=True, timeout=30)
            s.click_about_ok()
            s.click(Layout.menu_button(2))  # Character Drill, the Home Row chosen
            wait_until(lambda: ok_shown(s), 10, "the Character Drill's OK")
            lines = 0
            asked = set()
            while True:
                s.click(Layout.ok_button())
                lines += 1
                tree = wait_until(lambda: (lambda t: t if find(
                    t, lambda n: n["name"] == "Text display" and "\n" in n.get("text", ""))
                    else None)(s.atspi_tree()), 10, "the line on the bus")
                display = find(tree, lambda n: n["name"] == "Text display")
                line = display["text"].split("\n")[1]
                self.assertTrue(set(line) - {" "} <= GERMAN_HOME_ROW, line)
                # The keyboard shows the German keys: Z where US has Y, Ö beside L.
                for name in ("Z", "Ö", "Ä", "ß"):
                    self.assertIsNotNone(find(tree, lambda n, name=name: n["role"] == "push button"
                                              and n["name"].split(",")[0] == name), name)
                asked |= set(line) & set("öä")
                s.type(line + "\n", 60)
                wait_until(lambda: ok_shown(s), 10, "OK after the line")
                if "ö" in line or "ä" in line or lines == 3:
                    break
            # Recorded with the layout's name, and ö and ä as their code points.
            path = s.progress_path()
            wait_until(lambda: query(path, "SELECT count(*) FROM line")[0][0] == lines, 10,
                       "the lines in the record")
            self.assertEqual(query(path, "SELECT DISTINCT keyboard, accuracy FROM line"),
                             [("de", 100.0)])
            typed = {e for (e,) in query(path, "SELECT DISTINCT expected FROM keystroke "
                                               "WHERE expected = typed AND expected > 127")}
            self.assertEqual(typed, {ord(c) for c in asked})


if __name__ == "__main__":
    unittest.main()
