"""Tapwell's voice through a real speech service: speech-dispatcher with espeak-ng plays
into the session's null sink, which is recorded on the same clock as the keys typed.

Figures go to stdout (ctest -V shows them): the time from a key sent to the start of
what is said after it."""

import statistics
import sys
import time
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import Layout, Session, now, ok_shown, sound_bursts, type_line_by_guide, wait_until

KEY_TO_SPEECH_MS = 300
SLOW_KEYS = 4  # keys typed one at a time, each heard to its end before the next
NO_SOUNDS = "1,0,0,0,0,0\r\n"  # the home row, key sounds off: all that plays is the voice
WORD_GAP_MS = 450  # the pause after "K." does not end what is said


def said_after(rec, t, quiet=WORD_GAP_MS / 1000 + 0.2, timeout=10.0):
    """What was said after time t, heard to its end: [(start, end)]."""
    rec.wait_heard_out(t, quiet=quiet, timeout=timeout)
    samples, t0 = rec.timeline(since=t)
    return [(b[0], b[1]) for b in sound_bursts(samples, t0, gap_ms=WORD_GAP_MS)]


def start_talking_drill(s):
    """Ticks "Talk to me" and opens a Character Drill on the home row."""
    s.click_about_ok()
    s.key("alt+a")
    time.sleep(0.3)  # Alt+letter clicks the box as a mouse would: its click shows first
    opened = now()
    s.click(Layout.menu_button(2))
    wait_until(lambda: ok_shown(s), 10, "the drill's OK")
    return opened


class TalkToMe(unittest.TestCase):
    def test_each_next_key_and_the_praise_are_heard(self):
        with Session(settings=NO_SOUNDS, name=self.id(), speech=True) as s:
            rec = s.record()
            opened = start_talking_drill(s)
            # The first words wait for the speech service to list its voices.
            said = said_after(rec, opened, timeout=30)
            print("drill opened to first words: %.1f s" % (said[0][0] - opened))
            started = now()
            s.click(Layout.ok_button())
            self.assertTrue(said_after(rec, started), "the first key was not said")

            latencies = []
            for _ in range(SLOW_KEYS):
                (ch, before, _after), = type_line_by_guide(s, keys=1)
                said = said_after(rec, before)
                self.assertTrue(said, "nothing said after %r" % ch)
                latencies.append((said[0][0] - before) * 1000)
                # A key and finger, not a click: words that last.
                self.assertGreater(said[-1][1] - said[0][0], 0.4, "too short after %r" % ch)
            print("key to speech, ms: %s (median %.0f)"
                  % (" ".join("%.0f" % v for v in latencies), statistics.median(latencies)))
            self.assertLess(max(latencies), KEY_TO_SPEECH_MS)

            # The rest of the line at a child's pace: each key cuts off what the one
            # before said, so that after the last of them one key and finger is heard,
            # not all that was cut off.
            fast = type_line_by_guide(s, pace=0.35, keys=100)
            said = said_after(rec, fast[-1][1])
            self.assertLess(said[-1][1] - fast[-1][1], 2.5, "speech queued behind the keys")
            (ch, enter, _after), = type_line_by_guide(s)
            self.assertEqual(ch, "\n")
            said = said_after(rec, enter)
            self.assertTrue(said, "no praise at the end of the line")
            print("Enter to praise: %.0f ms, praise %.1f s"
                  % ((said[0][0] - enter) * 1000, said[-1][1] - said[0][0]))
            self.assertLess((said[0][0] - enter) * 1000, KEY_TO_SPEECH_MS)
            self.assertTrue(1.0 < said[-1][1] - said[0][0] < 5.0, said)

    def test_without_a_speech_service_the_line_types_and_nothing_is_said(self):
        with Session(settings=NO_SOUNDS, name=self.id(), quiet=True) as s:
            rec = s.record()
            start_talking_drill(s)
            s.click(Layout.ok_button())
            typed = type_line_by_guide(s, pace=0.05)
            self.assertEqual(typed[-1][0], "\n")
            samples, t0 = rec.timeline()
            self.assertEqual(sound_bursts(samples, t0), [])
            self.assertEqual(s.read("tapwell.stderr"), "")


if __name__ == "__main__":
    unittest.main()
