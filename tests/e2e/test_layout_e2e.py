"""The keyboard a child has: the session's X server is set to one layout after another
(setxkbmap, while tapwell runs), and by the next line the on-screen keyboard shows that
layout's keys, a Home Row Character Drill line asks for that layout's home row only, and
typed through the X server it is judged right and recorded with the layout's name and
its characters as code points."""

import contextlib
import os
import sqlite3
import subprocess
import sys
import time
import unicodedata
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import Layout, Session, ok_shown, translated, wait_until  # noqa: E402

# (layout, variant, its home row, names of keys only it shows: ISO keyboards' key left of
# Z and the one right of the home row among them)
# The first page of the Keyboard Layout lesson.
PAGE = ("This program concentrates on  \nthe letter and number keys \nfor typing. It does not cover\n"
        "function, control, or other \nkeys on the computer keyboard.")
LAYOUTS = [
    ("de", "", "asdfghjklöä", ["Z", "Ö", "Ä", "ß", "less than, greater than", "hash, apostrophe"]),
    ("fr", "", "qsdfghjklmù", ["Ù", "É"]),
    ("gb", "", "asdfghjkl;'", ["2, quotation mark", "backslash, vertical bar", "hash, tilde"]),
    ("us", "dvorak", "aoeuidhtns-", ["apostrophe, quotation mark"]),
    ("ru", "", "фывапролджэ", ["Ф", "Я", "Ж"]),
]


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


def translation(lang, context, source):
    """A text of the program as the screen shows it in the locale lang."""
    return translated(lang, context, source).replace("&", "")


def drill_line(s, display, what):
    """The accessibility tree once the display holds a line to type, and that line."""
    tree = wait_until(lambda: (lambda t: t if find(
        t, lambda n: n["name"] == display and "\n" in n.get("text", ""))
        else None)(s.atspi_tree()), 10, what)
    return tree, find(tree, lambda n: n["name"] == display)["text"].split("\n")[1]


class KeyboardLayouts(unittest.TestCase):
    def test_each_childs_keyboard_by_the_next_line(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id(), accessibility=True) as s:
            s.click_about_ok()
            s.click(Layout.menu_button(2))  # Character Drill, the Home Row chosen
            wait_until(lambda: ok_shown(s), 10, "the Character Drill's OK")
            path = s.progress_path()
            lines = 0
            for layout, variant, home_row, shown in LAYOUTS:
                name = "%s(%s)" % (layout, variant) if variant else layout
                with self.subTest(name):
                    args = [layout] + (["-variant", variant] if variant else [])
                    subprocess.run(["setxkbmap", "-display", s.display] + args, check=True,
                                   timeout=30)
                    s.click(Layout.ok_button())
                    lines += 1
                    tree, line = drill_line(s, "Text display", "the line on the bus")
                    self.assertTrue(set(line) - {" "} <= set(home_row), line)
                    for key in shown:
                        self.assertIsNotNone(find(tree, lambda n, key=key: n["role"] ==
                                                  "push button" and key in (
                                                      n["name"], n["name"].split(",")[0])), key)
                    s.type(line + "\n", 60)
                    wait_until(lambda: ok_shown(s), 10, "OK after the line")
                    wait_until(lambda: query(path, "SELECT count(*) FROM line")[0][0] == lines,
                               10, "the line in the record")
                    self.assertEqual(query(path, "SELECT keyboard, accuracy FROM line "
                                                 "ORDER BY id DESC LIMIT 1"), [(name, 100.0)])
                    asked = {ord(c) for c in line if c != " "}
                    typed = query(path, "SELECT expected, typed FROM keystroke WHERE line_id = "
                                        "(SELECT max(id) FROM line)")
                    self.assertTrue(all(e == t for e, t in typed), typed)
                    self.assertEqual({e for e, _ in typed} - {13, 32}, asked)

            # Accents and AltGr asked for, on a Spanish keyboard: á is its dead acute and
            # then a, typed as a child types it; what AltGr types comes as its character.
            subprocess.run(["setxkbmap", "-display", s.display, "es"], check=True, timeout=30)
            accents = lambda n: (n["name"] == "Use accents and AltGr"  # noqa: E731
                                 and "showing" in n["states"])
            s.click(Layout.drill_stop())  # the menu, where the child's buttons are
            time.sleep(0.5)
            s.key("alt+b")
            wait_until(lambda: find(s.atspi_tree(), accents), 10, "the keyboard chooser")
            s.key("alt+a")
            wait_until(lambda: "checked" in (find(s.atspi_tree(), accents) or {"states": []})[
                "states"], 10, "accents ticked")
            s.key("Return")
            wait_until(lambda: find(s.atspi_tree(), accents) is None, 10, "the chooser closed")
            s.click(Layout.menu_button(2))
            wait_until(lambda: ok_shown(s), 10, "the Character Drill's OK again")
            s.click_box(Layout.row_box(1))  # the Top Row too: its vowels take accents
            dead = {"\u0301": "dead_acute", "\u0300": "dead_grave", "\u0302": "dead_circumflex",
                    "\u0308": "dead_diaeresis", "\u0303": "dead_tilde"}
            accented = ""
            for _ in range(8):  # nearly every line or two holds an accent
                s.click(Layout.ok_button())
                lines += 1
                _, line = drill_line(s, "Text display", "the accented line on the bus")
                for c in line:
                    parts = unicodedata.normalize("NFD", c)
                    if len(parts) == 2 and parts[1] in dead and c not in "ñÑçÇ":
                        accented += c
                        # xdotool of its own: it reads the keymap as it is now.
                        s.xdotool("key", dead[parts[1]], parts[0])
                    else:
                        s.type(c, 60)
                    time.sleep(0.06)
                s.type("\n", 60)
                wait_until(lambda: ok_shown(s), 10, "OK after the accented line")
                wait_until(lambda: query(path, "SELECT count(*) FROM line")[0][0] == lines,
                           10, "the accented line in the record")
                self.assertEqual(query(path, "SELECT accuracy FROM line ORDER BY id DESC "
                                             "LIMIT 1"), [(100.0,)], line)
                if accented:
                    break
            self.assertTrue(accented, "no line asked for an accent")
            typed = query(path, "SELECT expected, typed FROM keystroke WHERE line_id = "
                                "(SELECT max(id) FROM line)")
            self.assertTrue({ord(c) for c in accented} <= {t for e, t in typed if e == t})


    def test_words_of_the_childs_language(self):
        # A German child on QWERTZ and a French one on AZERTY: a Home and Top Row Word Drill
        # line is words of their own language, typed through the X server and judged right.
        words_dir = os.path.join(os.environ["TAPWELL_DATA"], "words")
        for lang, layout, language in (("de_DE.UTF-8", "de", "de"), ("fr_FR.UTF-8", "fr", "fr")):
            with self.subTest(lang), Session(settings="1,1,0,0,0,0\r\n", name=self.id() + lang,
                                             accessibility=True, lang=lang) as s:
                with open(os.path.join(words_dir, language + ".txt"), encoding="utf-8") as f:
                    known = {w.strip() for w in f if not w.startswith("#")}
                subprocess.run(["setxkbmap", "-display", s.display, layout], check=True,
                               timeout=30)
                display = translation(lang, "Accessibility", "Text display")
                s.click_about_ok()
                # The menu and a lesson page in the child's language.
                learn = translation(lang, "tapwell::FrmType", "&Learn Keyboard")
                wait_until(lambda: find(s.atspi_tree(), lambda n: n["role"] == "push button"
                                        and n["name"] == learn), 10, "the menu in " + lang)
                s.click(Layout.menu_button(0))
                time.sleep(0.5)
                s.click(Layout.learn_button(0))  # Keyboard Layout: its first page
                first = translation(lang, "LessonPages", PAGE).split("\n")[0].strip()
                wait_until(lambda: first in (find(s.atspi_tree(), lambda n: n["name"] ==
                                                  display) or {}).get("text", ""), 10,
                           "the lesson page in " + lang)
                for _ in range(2):  # the lesson, then the lesson choices
                    s.click(Layout.learn_stop())
                    time.sleep(0.5)
                s.click(Layout.menu_button(3))  # Word Drill
                wait_until(lambda: ok_shown(s), 10, "the Word Drill's OK")
                s.click(Layout.ok_button())
                _, line = drill_line(s, display, "the line on the bus")
                self.assertEqual(len(line.split(" ")), 3, line)
                self.assertTrue(all(w in known for w in line.split(" ")), line)
                s.type(line + "\n", 60)
                wait_until(lambda: ok_shown(s), 10, "OK after the line")
                path = s.progress_path()
                wait_until(lambda: query(path, "SELECT count(*) FROM line")[0][0] == 1, 10,
                           "the line in the record")
                self.assertEqual(query(path, "SELECT keyboard, accuracy FROM line"),
                                 [(layout, 100.0)])


if __name__ == "__main__":
    unittest.main()
