"""The program as a screen reader reads it: over the desktop's accessibility bus (AT-SPI,
at-spi2-core on a private session bus), with the keyboard alone once the main window is
up. A Character Drill line is read, typed as the guide says and ended with its result;
then a Home Row lesson is read to its practice page."""

import re
import sys
import time
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import Session, keysym, wait_until  # noqa: E402


def nodes(tree):
    """Every node of the tree, depth first."""
    if tree is None:
        return
    yield tree
    for child in tree["children"]:
        yield from nodes(child)


def named(tree, name, role=None):
    for n in nodes(tree):
        if n["name"] == name and (role is None or n["role"] == role):
            return n
    return None


def showing(n):
    return n is not None and "showing" in n["states"]


def shown_image(tree, name):
    """Whether an image of this name is on screen (the hidden picture stores are named
    alike)."""
    return any(n["role"] == "image" and showing(n) for n in nodes(tree) if n["name"] == name)


class ScreenReader(unittest.TestCase):
    def read_until(self, s, what, check, timeout=10):
        """Reads the tree until check(tree) gives something true; returns that."""
        def attempt():
            tree = s.atspi_tree()
            return check(tree) if tree is not None else None
        return wait_until(attempt, timeout, what, interval=0.1)

    def press(self, s, *keys):
        for k in keys:
            s.key(k)
            time.sleep(0.15)  # a child's pace; the program takes the keys in turn

    def test_a_drill_line_and_a_lesson_page_by_ear_and_keyboard(self):
        with Session(settings="1,0,0,0,0,1\r\n", name=self.id(), accessibility=True) as s:
            s.click_about_ok()
            self.read_until(s, "the menu on the bus", lambda t: showing(named(t, "Choices")))

            # Character Drill: the third choice, then OK; the line comes on the display.
            self.press(s, "Tab", "Tab", "Return")
            self.read_until(s, "the drill frame",
                            lambda t: showing(named(t, "Character Drill", "panel")))
            self.press(s, "Return")
            tree = self.read_until(s, "a line to type", lambda t: t if named(
                t, "On-screen keyboard")["description"].startswith("Next: ") else None)

            display = named(tree, "Text display", "text")
            self.assertIn("focused", display["states"])
            line = display["text"].split("\n")[1]
            self.assertEqual(len(line), 21)
            self.assertEqual(display["caret"], display["text"].index(line))
            first = line[0]
            keyboard = named(tree, "On-screen keyboard")
            # The next key says so, and is the only one; the hand names the finger. A key
            # is spoken by its name: "A", "semicolon, colon".
            next_keys = [n["name"] for n in nodes(keyboard) if n["role"] == "push button"
                         and "next key" in n["description"]]
            self.assertEqual(len(next_keys), 1)
            spoken = next_keys[0].split(", ")[0]
            if first.isalnum():
                self.assertEqual(spoken, first.upper())
            self.assertRegex(keyboard["description"],
                             r"^Next: %s, (left|right) (little|ring|middle|index) finger$"
                             % re.escape(spoken))
            self.assertEqual(display["description"], keyboard["description"])
            side, finger = keyboard["description"].split(", ")[1].split()[:2]
            self.assertTrue(shown_image(keyboard, "%s hand, %s finger lit" % (side, finger)))

            # Typed as the screen reader gives it; the display reads what was typed.
            s.type(line, 40)
            tree = self.read_until(s, "the whole line typed", lambda t: t if named(
                t, "Text display")["text"].split("\n")[2:] == [line] and named(
                t, "On-screen keyboard")["description"] == "Next: Enter, right little finger"
                else None)
            self.assertTrue(shown_image(tree, "right hand, little finger lit"))
            self.press(s, "Return")
            results = self.read_until(s, "the result", lambda t: named(t, "Drill Results"))
            self.assertEqual([n["name"] for n in results["children"]], ["100% accuracy"])

            # Back past the display to Stop, and up the menu to Learn Keyboard.
            self.press(s, "shift+Tab", "shift+Tab", "space")
            self.read_until(s, "the menu again", lambda t: showing(named(t, "Choices")))
            self.press(s, "shift+Tab", "shift+Tab", "Return")
            self.read_until(s, "the lesson choices",
                            lambda t: showing(named(t, "Learn Keyboard", "panel")))
            self.press(s, "Tab", "Return")
            tree = self.read_until(s, "the Home Row lesson", lambda t: t if "Learn keys of home"
                                   in named(t, "Text display")["text"] else None)
            self.assertEqual(named(tree, "Next", "push button")["states"].count("focused"), 1)
            self.press(s, "Return")
            tree = self.read_until(s, "the home position page", lambda t: t if named(
                t, "On-screen keyboard")["description"].startswith("Home position") else None)
            self.assertTrue(shown_image(tree, "left hand, four fingers lit"))
            self.assertTrue(shown_image(tree, "right hand, four fingers lit"))
            self.assertIn("home position", named(tree, "Text display")["text"])

            # The practice page: the first key of the left little finger.
            self.press(s, "Return")
            tree = self.read_until(s, "the practice page", lambda t: t if "three times" in named(
                t, "Text display")["text"] else None)
            self.assertEqual(named(tree, "On-screen keyboard")["description"],
                             "Next: A, left little finger")
            self.assertTrue(shown_image(tree, "left hand, little finger lit"))
            self.press(s, keysym("a"))
            self.read_until(s, "the press echoed", lambda t: named(
                t, "Text display")["text"].endswith(" a"))


if __name__ == "__main__":
    unittest.main()
