"""Sounds through a real sound server: what the null sink plays is recorded and set on
the same clock as the keys typed and the screen read.

Figures go to stdout (ctest -V shows them): the time from a key sent to its sound
mixed by the server, and the same for a reference stream of ours that has nothing to
start, which is what the measuring itself costs."""

import os
import statistics
import sys
import time
import unittest

sys.dont_write_bytecode = True
from tapwell_e2e import (BLUE, Layout, Session, audible_ms, now, ok_shown, sound_bursts,
                         type_line_by_guide, wait_until)

KEY_TO_SOUND_MS = 100
CUT_SHORT_MS = 15  # a sound heard for less than its file's loud part by this much was cut


def loud_part_ms(name):
    return audible_ms(os.path.join(os.environ["TAPWELL_DATA"], name))


def ms(seconds):
    return seconds * 1000.0


def first_burst_after(bursts, t, within, not_before=0.0):
    """The first sound starting in [t + not_before, t + within]."""
    for b in bursts:
        if t + not_before <= b[0] <= t + within:
            return b
    return None


# A key's sound cannot start sooner than this after the key was sent: it still has to
# reach the program, and the reference stream alone takes longer. A sound starting
# earlier is an earlier key's, late.
EARLIEST_MS = 5


def open_character_drill(s):
    s.click_about_ok()
    s.click(Layout.menu_button(2))
    wait_until(lambda: ok_shown(s), 10, "the drill's OK")


def reference_latency(s, rec):
    """Milliseconds from writing a tone into an open stream to hearing it, five times."""
    stream = s.play_stream()
    written = []
    for _ in range(5):
        written.append(stream.tone(now() + 0.02))
        time.sleep(0.15)
    rec.wait_heard(written[-1] + 0.2)
    samples, t0 = rec.timeline()
    bursts = sound_bursts(samples, t0)
    stream.stop()
    out = []
    for w in written:
        b = first_burst_after(bursts, w, 0.2)
        if b:
            out.append(ms(b[0] - w))
    return out


class KeySounds(unittest.TestCase):
    def test_each_right_key_dings_at_once_with_key_sound_on(self):
        with Session(settings="1,0,0,0,0,1\r\n", name=self.id()) as s:
            open_character_drill(s)
            rec = s.record()
            reference = reference_latency(s, rec)
            s.click(Layout.ok_button())
            wait_until(lambda: not ok_shown(s), 5, "OK to go when the line starts")
            wrong_before, _ = s.key("q")  # never on the home row
            rec.wait_heard_out(wrong_before)  # the uh-oh, before the first right key
            typed = type_line_by_guide(s, pace=0.3)
            rec.wait_heard_out(typed[-2][1])  # the last right key's ding, whole
            samples, t0 = rec.timeline()
            bursts = sound_bursts(samples, t0)

            print("reference stream: %s ms" % ", ".join("%.1f" % r for r in reference))
            # The uh-oh is two notes with a short rest between them: one burst when the
            # rest is bridged.
            wrong = first_burst_after(sound_bursts(samples, t0, gap_ms=60), wrong_before, 0.3)
            rows, heard = [], []
            for ch, before, after in typed[:-1]:  # the Enter plays the end sound
                b = first_burst_after(bursts, before, 0.25, EARLIEST_MS / 1000)
                rows.append((ch, ms(after - before), b and ms(b[0] - before),
                             b and ms(b[1] - b[0])))
                if b:
                    heard.append(ms(b[0] - before))
            for ch, sent, onset, length in rows:
                print("key %r: sent in %.1f ms, sound after %s, heard for %s" % (
                    ch, sent, "%.1f ms" % onset if onset is not None else "-",
                    "%.1f ms" % length if length is not None else "-"))
            if heard:
                print("right keys: %d of %d heard; key to sound min %.1f, median %.1f, max %.1f ms"
                      % (len(heard), len(rows), min(heard), statistics.median(heard), max(heard)))

            self.assertGreaterEqual(len(reference), 4, "the reference tones were heard")
            with self.subTest("a wrong key sounds its uh-oh"):
                self.assertIsNotNone(wrong, "no sound after a wrong key")
                self.assertLess(ms(wrong[0] - wrong_before), KEY_TO_SOUND_MS)
                self.assertGreater(ms(wrong[1] - wrong[0]), loud_part_ms("uhoh.wav") - CUT_SHORT_MS,
                                   "the uh-oh cut short")
            silent = [ch for ch, _, onset, _ in rows if onset is None]
            late = [(ch, round(onset)) for ch, _, onset, _ in rows
                    if onset is not None and onset >= KEY_TO_SOUND_MS]
            ding = loud_part_ms("ding.wav")
            short = [(ch, round(length)) for ch, _, onset, length in rows
                     if onset is not None and length < ding - CUT_SHORT_MS]
            with self.subTest("every right key dings"):
                self.assertEqual(silent, [], "right keys without a sound")
            with self.subTest("at once"):
                self.assertEqual(late, [], "right keys sounding %d ms or more after"
                                 % KEY_TO_SOUND_MS)
            with self.subTest("the whole ding"):
                self.assertEqual(short, [], "dings cut short (ms heard of %.0f)" % ding)

    def test_drill_keys_are_silent_with_key_sound_off(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id()) as s:
            open_character_drill(s)
            rec = s.record()
            s.click(Layout.ok_button())
            wait_until(lambda: not ok_shown(s), 5, "OK to go when the line starts")
            start = now()
            for _ in range(3):
                s.key("q")  # wrong: never on the home row
                time.sleep(0.15)
            # Right keys as the guide shows them, short of the Enter.
            right = [ch for ch, _, _ in type_line_by_guide(s, pace=0.2, keys=6)]
            end = now() + 0.4
            rec.wait_heard(end + 0.1)
            samples, t0 = rec.timeline()
            heard = [b for b in sound_bursts(samples, t0) if start - 0.01 <= b[0] <= end]
            self.assertGreater(len(right), 0)
            self.assertEqual(heard, [], "sounds with Key Sound? off")


class EndSound(unittest.TestCase):
    def test_a_lines_end_plays_the_end_sound_to_its_end_before_ok(self):
        with Session(settings="1,0,0,0,0,0\r\n", name=self.id()) as s:
            open_character_drill(s)
            rec = s.record()
            s.click(Layout.ok_button())
            wait_until(lambda: not ok_shown(s), 5, "OK to go when the line starts")
            typed = type_line_by_guide(s)
            enter = typed[-1][1]
            # Watch OK's place until it shows, each look stamped before and after.
            looks = []
            while now() < enter + 3:
                before = now()
                shown = ok_shown(s)
                looks.append((before, now(), shown))
                if shown:
                    break
                time.sleep(0.003)
            rec.wait_heard(now() + 0.3)
            samples, t0 = rec.timeline()
            bursts = sound_bursts(samples, t0)
            tada = first_burst_after(bursts, enter, 0.5)

            self.assertTrue(looks[-1][2], "OK did not come back after the line's end")
            ok_after = looks[-1][1]      # OK was on screen by then
            ok_not_before = looks[-2][0] if len(looks) > 1 else enter
            self.assertIsNotNone(tada, "no end sound after the line's Enter")
            print("end sound: starts %.1f ms after Enter, heard for %.1f ms, ends %.1f ms "
                  "after Enter; OK appeared between %.1f and %.1f ms after Enter" % (
                      ms(tada[0] - enter), ms(tada[1] - tada[0]), ms(tada[1] - enter),
                      ms(ok_not_before - enter), ms(ok_after - enter)))
            with self.subTest("the whole end sound"):
                self.assertGreater(ms(tada[1] - tada[0]), loud_part_ms("tada.wav") - CUT_SHORT_MS,
                                   "the end sound is cut short")
            with self.subTest("OK after the sound"):
                self.assertGreaterEqual(ok_after, tada[1] - 0.005, "OK shown before the sound ended")
                self.assertLess(ms(ok_not_before - tada[1]), 500, "OK long after the sound")
            results = s.on_screen(Layout.results())
            self.assertEqual(s.colour_at((results.x + 5, results.y + 30)), BLUE)


if __name__ == "__main__":
    unittest.main()
