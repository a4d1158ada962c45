"""What a child who listens hears: the desktop's screen reader (Orca) reading tapwell,
from the About window to a Character Drill line typed with one wrong key and its result.
Also the reading of Orca's log into utterances, on logs written here."""

import os
import re
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True
from orca import OrcaLog, OrcaSession  # noqa: E402
from test_progress_e2e import account_child_name  # noqa: E402
from tapwell_e2e import (Layout, control, guided_character, keysym, type_line_by_guide,  # noqa: E402
                         wait_until)

HOME_KEYS = "asdfjkl;"


def named(tree, name):
    """The first node of this name in an AT-SPI tree (see atspi_tree.py), depth first."""
    if tree is None:
        return None
    if tree["name"] == name:
        return tree
    for child in tree["children"]:
        found = named(child, name)
        if found is not None:
            return found
    return None


def spoken_as(line):
    """What Orca's speech makes of a line: as it is, with a full stop after a last letter
    or digit (its pause)."""
    line = line.strip()
    return line + "." if line and line[-1].isalnum() else line


def to_the_menu(s):
    """About's OK, heard and pressed, to the menu's first choice heard; the mark before
    the press."""
    s.orca.wait_said(r"^OK push button\.$", 10)
    mark = s.orca.mark()
    s.key("Return")
    s.window = s.wait_window("^Tapwell$", Layout.WINDOW)
    s.orca.wait_said(r"^Learn Keyboard push button\.$", 10, since=mark)
    return mark


def press_until_said(s, key, utterance, tries):
    """Presses key until Orca says utterance of where the focus went; the mark before
    that press."""
    for _ in range(tries):
        mark = s.orca.mark()
        s.key(key)
        s.orca.wait_said(r"\.$", 10, since=mark)
        s.orca.wait_quiet(0.4)  # what a press says may come after the next press
        if utterance in s.orca.said_since(mark):
            return mark
    raise AssertionError("%s never reached %r" % (key, utterance))


class ScreenReaderSpeech(unittest.TestCase):
    def test_a_drill_line_is_heard_whole_and_its_result_at_the_end(self):
        with OrcaSession(settings="1,0,0,0,0,1\r\n", name=self.id()) as s:
            s.orca.wait_said(r"^About Tapwell\.$", 10)
            mark = to_the_menu(s)
            self.assertIn("Choices panel.", s.orca.said_since(mark))

            # Character Drill is the third choice; its OK waits with the focus.
            for name in ("Keyboard Practice", "Character Drill"):
                mark = s.orca.mark()
                s.key("Tab")
                s.orca.wait_said(r"^%s push button\.$" % name, 10, since=mark)
            mark = s.orca.mark()
            s.key("Return")
            s.orca.wait_said(r"^OK push button\.$", 10, since=mark)

            # OK: the focus goes to the display, which is read with the line to type and
            # what to press first.
            mark = s.orca.mark()
            s.key("Return")
            s.orca.wait_said(r"^Text display read only text\.$", 10, since=mark)
            tree = wait_until(lambda: (lambda t: t if t and named(t, "Text display")
                                       and "\n" in named(t, "Text display")["text"] else None)(
                                  s.atspi_tree()), 10, "the line on the bus")
            line = named(tree, "Text display")["text"].split("\n")[1]
            self.assertEqual(len(line), 21)
            s.orca.wait_said(r"^Next: ", 10, since=mark)
            said = s.orca.said_since(mark)
            self.assertIn(spoken_as(line), said,
                          "the line is read to its last character (%r)" % line)
            if "  " in line:  # a run of spaces, which Orca says nothing for, is counted
                s.orca.wait_said(r"^notification The line: .* spaces, ", 10, since=mark)

            # One wrong key, then the line as the guide asks; Enter ends it.
            asked = wait_until(lambda: guided_character(s.grab(control(Layout.picKeys)),
                                                        s.window), 5, "the first key")
            mark = s.orca.mark()
            s.key(keysym(next(c for c in HOME_KEYS if c != asked)))
            # What was typed, then the key wanted and its finger, once.
            s.orca.wait_said(r"^notification That was .+\. .+, (left|right) \w+ finger\.?$",
                             10, since=mark)
            time.sleep(0.3)
            mark = s.orca.mark()
            type_line_by_guide(s, pace=0.25)
            s.orca.wait_said(r"\b\d+% accuracy", 10, since=mark)
            # Each right key moved the guide, and where it went was said.
            moves = [u for u in s.orca.said_since(mark)
                     if re.match(r"^notification .+, (left|right) \w+ finger", u)]
            self.assertGreaterEqual(len(moves), len(line) // 2, s.orca.said_since(mark))

            # Back to the menu by Ctrl+Tab to Stop, and My Progress tells of the line: its
            # accuracy chart says how the child did today.
            press_until_said(s, "ctrl+Tab", "Stop push button.", 10)
            mark = s.orca.mark()
            s.key("Return")
            s.orca.wait_said(r"^Character Drill push button\.$", 10, since=mark)
            mark = s.orca.mark()
            s.key("alt+p")
            s.orca.wait_said(r"^notification .+'s progress: 1 line typed on 1 day\.$", 20,
                             since=mark)
            mark = press_until_said(s, "Tab", "Accuracy each day.", 12)
            s.orca.wait_said(r"^Character Drill: \d+% today\.$", 10, since=mark)


    def test_the_home_row_lessons_pages_are_heard_as_they_come(self):
        # With the mnemonics said, as a child who listens may choose.
        with OrcaSession(settings="1,0,0,0,0,1\r\n", name=self.id(),
                         orca_settings={"enableMnemonicSpeaking": True}) as s:
            to_the_menu(s)
            mark = s.orca.mark()
            s.key("Return")  # Learn Keyboard: its choices
            s.orca.wait_said(r"^Keyboard Layout push button\.$", 10, since=mark)
            mark = s.orca.mark()
            s.key("Tab")
            s.orca.wait_said(r"^Home Row push button\.$", 10, since=mark)
            s.orca.wait_said(r"^Alt\+M$", 10, since=mark)
            # Each page's text is said as it comes, the focus staying on Next.
            mark = s.orca.mark()
            s.key("Return")
            s.orca.wait_said(r"^notification .*Learn keys of home", 10, since=mark)
            mark = s.orca.mark()
            s.key("Return")
            s.orca.wait_said(r"^notification .*home position", 10, since=mark)
            # The practice: the focus goes to the display, which Orca reads itself, with
            # the first key and its finger (once: the display's own description).
            mark = s.orca.mark()
            s.key("Return")
            s.orca.wait_said(r"^Press a three times", 10, since=mark)
            s.orca.wait_said(r"^Next: A, left little finger\.$", 10, since=mark)
            time.sleep(0.5)
            self.assertEqual(sum("left little finger" in u for u in s.orca.said_since(mark)), 1,
                             s.orca.said_since(mark))


    def test_my_progress_says_whose_it_is_and_is_read_part_by_part(self):
        with OrcaSession(settings="1,0,0,0,0,1\r\n", name=self.id()) as s:
            to_the_menu(s)
            mark = s.orca.mark()
            s.key("alt+p")
            s.orca.wait_said(r"^My Progress\.$", 20, since=mark)
            s.orca.wait_said(r"^notification .+'s progress: nothing typed yet\.$", 10, since=mark)
            s.orca.wait_said(r"^Progress of: combo box\.$", 10, since=mark)
            s.orca.wait_said(r"^%s\.$" % re.escape(account_child_name()), 10, since=mark)
            # By Tab, past the parent's tools, the trouble map says what it shows, and
            # each chart its summary.
            for expected in (r"^Add a child push button", r"^Rename this child push button",
                             r"^Trouble map panel\.$", r"label\.$", r"label\.$",
                             r"^Show: combo box", r"^Words per minute each day\.$"):
                mark = s.orca.mark()
                s.key("Tab")
                s.orca.wait_said(expected, 10, since=mark)
            self.assertIn("Nothing typed in the last 4 weeks.", s.orca.said_since(mark))
            # A choice box is read with its choice, and a new choice is said.
            mark = s.orca.mark()
            s.key("alt+h")
            s.orca.wait_said(r"^the last 4 weeks, day by day\.$", 10, since=mark)
            s.key("Down")
            s.orca.wait_said(r"^notification the last 6 months, week by week\.$", 10, since=mark)


class OrcaLogReading(unittest.TestCase):
    """Orca's debug log as orca 43 writes it, read into utterances."""

    def setUp(self):
        fd, self.path = tempfile.mkstemp(prefix="orca-log-")
        os.close(fd)
        self.addCleanup(os.remove, self.path)
        self.log = OrcaLog(self.path)

    def write(self, text):
        with open(self.path, "a") as f:
            f.write(text)

    def test_utterances_with_their_voice_and_what_interrupts(self):
        self.write(
            "14:09:58.657555 - SPEECH OUTPUT: 'Screen reader on.'{'established': False}\n"
            "14:09:58.700000 - SPEECH: Last spoke 0.9453 seconds ago\n"
            "14:10:08.597000 - DEFAULT: Interrupting presentation\n"
            "14:10:08.597658 - SPEECH OUTPUT: 'tab ' {'established': False}\n"
            "14:10:08.654654 - SPEECH OUTPUT: 'Keyboard Practice push button.'"
            "{'established': False}\n"
            "14:10:09.000000 - SPEECH OUTPUT: 'A' voice=uppercase{'average-pitch': 5.6, "
            "'family': {'name': 'x'}}\n"
            "14:18:45.374841 - SPEECH OUTPUT: ' Sentence 1.'[{'established': False}]\n"
            "14:18:46.000000 - SPEECH OUTPUT: '''{'established': False}\n")
        got = [(u.text, u.voice, u.interrupting) for u in self.log.read()]
        self.assertEqual(got, [("Screen reader on.", None, False), ("tab", None, True),
                               ("Keyboard Practice push button.", None, False),
                               ("A", "uppercase", False), ("Sentence 1.", None, False),
                               ("'", None, False)])
        self.assertEqual(self.log.utterances[0].stamp, "14:09:58.657555")

    def test_a_text_of_several_lines_and_a_log_read_as_it_grows(self):
        self.write("14:13:09.420912 - SPEECH OUTPUT: 'first line\n"
                   "                  second line'{'established': False}\n"
                   "                  GENERATION TIME: 0.0003  ---->  pause=[PAUSE]\n"
                   "Traceback (most recent call last):\n"
                   "  File \"x.py\", line 1, in <module>\n"
                   "14:13:09.421000 - SPEECH OUTPUT: 'half")
        self.assertEqual([u.text for u in self.log.read()], ["first line\nsecond line"])
        # The rest of a line, and a say-all utterance without voice settings, ended by
        # the line after it.
        self.write(" and whole'{}\n14:13:10.000000 - SPEECH OUTPUT: 'say all'\n")
        self.assertEqual([u.text for u in self.log.read()][1:], ["half and whole"])
        self.write("14:13:10.100000 - SPEECH: Last spoke 0.1 seconds ago\n")
        self.assertEqual([u.text for u in self.log.read()][2:], ["say all"])


if __name__ == "__main__":
    unittest.main()
