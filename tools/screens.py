#!/usr/bin/env python3
"""Photographs every screen of Tapwell, and compares two sets of photographs.

    tools/screens.py shoot --binary PATH/tapwell --out DIR [--scale 1|2]
    tools/screens.py compare DIR_A DIR_B [--diffs DIR]

shoot runs the real program the way the end-to-end tests do (tests/e2e/tapwell_e2e.py:
a private Xvfb, a PulseAudio null sink, the program copied into a temporary folder and
driven with xdotool) and walks it through every screen a child or a parent meets,
saving the whole X screen as a PNG for each: DIR/1x_01_about.png and so on. Without
--scale it shoots at 1x and then at 2x, where the program runs with QT_SCALE_FACTOR=2
on a 2048x1536 screen: the same logical screen as 1x, every window drawn at a device
pixel ratio of 2.

compare says whether every PNG in DIR_A has a pixel-identical twin in DIR_B; it lists
the files that differ (or are missing from B) with the number of differing pixels and
exits 1 when there is any. With --diffs it also writes, for each differing pair, B's
picture dimmed with the differing pixels in red.

What makes two shoots alike:
  * The drill lines are drawn at random, seeded from the seconds since local midnight
    when the main window loads. The program runs under libfaketime with its wall clock
    held at FAKE_NOW (and TZ=UTC): every run gets the same seed, the same lines, and
    the same day in the progress record and its charts. The monotonic clock is left
    alone, so pauses, sounds and timers run as always.
  * The pointer rests on plain background (no hover, no tooltip) in every shot; X
    screenshots do not show the pointer itself.
  * A shot is taken once the screen holds still: two grabs a moment apart alike.
  * The text caret of the Timed Drill box blinks. Its shots are taken while the caret
    is shown (the darkest of the box's states over a blink period): nothing is masked.
  * What depends on how fast xdotool's keys happened to come is painted over in
    MASK_COLOUR (magenta) in the PNG, and is listed in MASKS below: the words per
    minute of a Word Drill and a Timed Drill result, and today's bar of minutes typed
    in My Progress. Everything else is compared.

The screens, in the order walk() meets them: the About window; the menu screen; the
help; Learn Keyboard's choices; the Home Row lesson's first page and, after Next, its
second; Keyboard Practice open; Character Drill open, a line after OK, "Try Again!"
after a click on an on-screen key, the line typed through with one mistake and its
result; My Progress (Alt+P); Tricky Keys (Alt+T) open and its line; "Who is typing?"
(Alt+C); Word Drill open, a line, its two-line result; Timed Drill open, a run typed,
its result.

The child typing is named from the account that runs the program: shoot the sets to
be compared as the same user.

Standard library only. Needs what the end-to-end tests need (tools/deps.sh test), and
libfaketime (Debian: faketime). The tests of its parts that need no display are in
tools/test_screens.py.
"""

import argparse
import ctypes
import ctypes.util
import glob
import hashlib
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import zlib

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "e2e"))

import tapwell_e2e as e2e  # noqa: E402
from tapwell_e2e import (DARK_RED, SHIFTED, YELLOW, E2EError, Layout, Rect,  # noqa: E402
                         close_to, control, cursor_box_left, keysym, wait_until)

FAKE_NOW = "2026-01-01 10:00:00"
FAKETIME_LIBRARIES = ("/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1",
                      "/usr/lib/faketime/libfaketimeMT.so.1")
# Home Row only, no Shift, and key sounds off (the shipped choices have them on): the
# drill lines then go as fast as the guide can be read.
SETTINGS = "1,0,0,0,0,0\r\n"
SCREENS = {1: (1024, 768), 2: (2048, 1536)}
MASK_COLOUR = (255, 0, 255)
DATA_EXTENSIONS = (".dat", ".ini", ".hlp", ".wav")
MENU_RED = (255, 0, 0)

# The parts of a screen masked in its PNG: {screen name: [(window, rectangle, why)]}.
# In the main window ("Tapwell") a rectangle is in twips of its layout, scaled with it
# (15 twips to a pixel at 1x); in another window, in pixels at 1x from its top left
# (twice as many at 2x). Each is as small as what varies, and a pixel more each way.
MASKS = {
    # A Word Drill result has two lines; the first is the words per minute: the line
    # across the inside of the results frame (fraSpeed, 4440 to 7695 across).
    "word_drill_result": [("Tapwell", (4500, 5415, 3150, 255),
                           "words per minute: how fast xdotool's keys came")],
    # A Timed Drill result is one line, the words per minute.
    "timed_drill_result": [("Tapwell", (4500, 5535, 3150, 255),
                            "words per minute: how fast xdotool's keys came")],
    # "Minutes typed each day": today's bar, a pixel or two high for the few seconds
    # typed (five minutes is the chart's height), the last of the four weeks. Room for
    # half a minute.
    "my_progress": [("My Progress", (968, 641, 10, 15),
                     "today's minutes typed: how long the drill line took")],
}


def log(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()


# ---------------------------------------------------------------------------
# PNG files: written by the harness's Image.save_png, read back here.

def read_png(path):
    """(width, height, rows): rows are bytes of RGB, three per pixel. 8-bit RGB or RGBA,
    grey or grey with alpha, not interlaced."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("%s is not a PNG" % path)
    pos, idat, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
        pos += 12 + length
    if not header:
        raise ValueError("%s has no header" % path)
    width, height, depth, colour, _, _, interlace = header
    channels = {0: 1, 2: 3, 4: 2, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise ValueError("%s: only 8-bit, non-interlaced grey or RGB(A) PNGs are read" % path)
    raw = zlib.decompress(b"".join(idat))
    stride = width * channels
    rows, previous = [], bytes(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        _unfilter(kind, line, previous, channels)
        previous = bytes(line)
        rows.append(_to_rgb(previous, channels))
    return width, height, rows


def _unfilter(kind, line, previous, bpp):
    if kind == 0:
        return
    n = len(line)
    if kind == 1:
        for i in range(bpp, n):
            line[i] = (line[i] + line[i - bpp]) & 0xFF
    elif kind == 2:
        for i in range(n):
            line[i] = (line[i] + previous[i]) & 0xFF
    elif kind == 3:
        for i in range(n):
            left = line[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + ((left + previous[i]) >> 1)) & 0xFF
    elif kind == 4:
        for i in range(n):
            a = line[i - bpp] if i >= bpp else 0
            b = previous[i]
            c = previous[i - bpp] if i >= bpp else 0
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
            line[i] = (line[i] + pred) & 0xFF
    else:
        raise ValueError("unknown PNG filter %d" % kind)


def _to_rgb(line, channels):
    if channels == 3:
        return line
    if channels == 4:
        out = bytearray(len(line) // 4 * 3)
        for c in range(3):
            out[c::3] = line[c::4]
        return bytes(out)
    grey = line[::channels]
    out = bytearray(len(grey) * 3)
    for c in range(3):
        out[c::3] = grey
    return bytes(out)


def differing_pixels(a_rows, b_rows):
    """How many pixels differ between two pictures of the same size (rows of RGB)."""
    count = 0
    for ra, rb in zip(a_rows, b_rows):
        if ra != rb:
            count += sum(1 for i in range(0, len(ra), 3) if ra[i:i + 3] != rb[i:i + 3])
    return count


def diff_picture(a_rows, b_rows, width, height):
    """B dimmed to a third, with the pixels that differ from A in pure red."""
    rgb = bytearray()
    for ra, rb in zip(a_rows, b_rows):
        row = bytearray(v // 3 + 170 for v in rb)
        if ra != rb:
            for i in range(0, len(ra), 3):
                if ra[i:i + 3] != rb[i:i + 3]:
                    row[i:i + 3] = b"\xff\x00\x00"
        rgb += row
    return e2e.Image(width, height, bytes(rgb))


def compare(dir_a, dir_b, diffs=None, out=sys.stdout):
    """Returns 0 when every PNG in dir_a has a pixel-identical twin in dir_b, else 1;
    writes what differs to out."""
    names = sorted(os.path.basename(p) for p in glob.glob(os.path.join(dir_a, "*.png")))
    if not names:
        out.write("no PNG files in %s\n" % dir_a)
        return 1
    bad = 0
    for name in names:
        path_a, path_b = os.path.join(dir_a, name), os.path.join(dir_b, name)
        if not os.path.exists(path_b):
            out.write("%s: missing from %s\n" % (name, dir_b))
            bad += 1
            continue
        with open(path_a, "rb") as fa, open(path_b, "rb") as fb:
            if fa.read() == fb.read():
                continue
        wa, ha, rows_a = read_png(path_a)
        wb, hb, rows_b = read_png(path_b)
        if (wa, ha) != (wb, hb):
            out.write("%s: %dx%d against %dx%d\n" % (name, wa, ha, wb, hb))
            bad += 1
            continue
        count = differing_pixels(rows_a, rows_b)
        if count == 0:
            continue
        out.write("%s: %d pixels differ\n" % (name, count))
        bad += 1
        if diffs:
            os.makedirs(diffs, exist_ok=True)
            diff_picture(rows_a, rows_b, wa, ha).save_png(os.path.join(diffs, name))
    extra = sorted(set(os.path.basename(p) for p in glob.glob(os.path.join(dir_b, "*.png")))
                   - set(names))
    for name in extra:
        out.write("%s: only in %s (not compared)\n" % (name, dir_b))
    out.write("%d of %d pictures identical\n" % (len(names) - bad, len(names)))
    return 1 if bad else 0


# ---------------------------------------------------------------------------
# Pictures of the screen.

def blank(image, rect, colour):
    """A copy of image with a rectangle (screen coordinates) filled with colour."""
    rgb = bytearray(image.rgb)
    x0, y0 = max(rect.x - image.x0, 0), max(rect.y - image.y0, 0)
    x1 = min(rect.x + rect.w - image.x0, image.width)
    y1 = min(rect.y + rect.h - image.y0, image.height)
    if x1 > x0:
        fill = bytes(colour) * (x1 - x0)
        for y in range(y0, y1):
            start = (y * image.width + x0) * 3
            rgb[start:start + len(fill)] = fill
    return e2e.Image(image.width, image.height, bytes(rgb), image.x0, image.y0)


def crop(image, rect):
    """The bytes of a rectangle of image (screen coordinates)."""
    rows = []
    for y in range(rect.y - image.y0, rect.y - image.y0 + rect.h):
        start = (y * image.width + rect.x - image.x0) * 3
        rows.append(image.rgb[start:start + rect.w * 3])
    return b"".join(rows)


def find_window(s, title):
    """The visible window whose whole title is title, any size; None while there is none."""
    out = s.xdotool("search", "--onlyvisible", "--name", "^%s$" % title, check=False)
    for wid in out.split():
        geo = dict(line.split("=", 1) for line in
                   s.xdotool("getwindowgeometry", "--shell", wid, check=False).split())
        if geo:
            rect = Rect(int(geo["X"]), int(geo["Y"]), int(geo["WIDTH"]), int(geo["HEIGHT"]))
            rect.wid = int(wid)
            return rect
    return None


def ascii_pattern(title):
    """A pattern for xdotool that finds a window by its title: its letters beyond ASCII
    (which xdotool does not match as written) stand as anything."""
    return "".join(".*" if ord(c) >= 128 else re.escape(c) for c in title)


class ScreenSession(e2e.Session):
    """A harness session for photographs: the program under libfaketime, at a scale
    factor, with whatever lies beside the binary that it may load."""

    def __init__(self, binary, data_dir, scale, artifacts=None, lang=None):
        super().__init__(binary=binary, data_dir=data_dir, settings=SETTINGS,
                         artifacts=artifacts, name="screens-%dx" % scale, quiet=True, lang=lang)
        self.scale = scale
        self.lang = lang
        self.unmasked = False
        self.saved = []
        self.active = None  # the window that has the keyboard: the About window first

    def px(self, twips):
        return e2e.px(twips, self.scale)

    def control(self, *places):
        return control(*places, scale=self.scale)

    # -- start -------------------------------------------------------------

    def _start(self):
        self._make_dirs()
        d = self.dir
        copy_program(self.binary, self.data_dir, self.app_dir)
        os.makedirs(os.path.join(self.config_dir, "tapwell"))
        with open(self.settings_path(), "wb") as f:
            f.write(SETTINGS.encode())

        # The harness's screen size is a module constant, read when the display starts.
        e2e.SCREEN_SIZE = SCREENS[self.scale]
        self.display, self.xvfb = e2e._start_xvfb(d)
        self._start_pulse()
        self.grabber = e2e.FastGrabber(self.display)
        self.keys = e2e.FastKeys(self.display)

        self.env = self.base_env()
        self.env.update({
            "QT_QPA_PLATFORM": "xcb",
            "XDG_CONFIG_HOME": self.config_dir,
            "XDG_DATA_HOME": self.data_home,
            "TZ": "UTC",
            "LD_PRELOAD": faketime_library(),
            "FAKETIME": FAKE_NOW,
            "FAKETIME_DONT_FAKE_MONOTONIC": "1",
            # Preloaded, libfaketime comes before a sanitizer build's runtime in the
            # library list, which AddressSanitizer's start-up check would refuse.
            "ASAN_OPTIONS": "detect_leaks=0:abort_on_error=1:verify_asan_link_order=0",
            "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
        })
        if self.scale != 1:
            self.env["QT_SCALE_FACTOR"] = str(self.scale)
        if self.lang:
            self.env["LANG"] = self.lang
        self.stderr_path = os.path.join(d, "tapwell.stderr")
        with open(self.stderr_path, "wb") as err:
            self.app = e2e.start_process("tapwell", [os.path.join(self.app_dir, "tapwell")],
                                         env=self.env, cwd=d, stdout=err, stderr=err,
                                         stdin=subprocess.DEVNULL)
        self.about = self.open_window(self.title("tapwell::FrmAbout", "About Tapwell"), timeout=60)
        if (self.about.w, self.about.h) != (self.px(7035), self.px(3585)):
            raise E2EError("the About window is %dx%d" % (self.about.w, self.about.h))

    # -- moving about ------------------------------------------------------

    def park_pointer(self):
        # Keys go to the window under the pointer: the main window's plain background
        # right of the display, where nothing lights up or shows a tip.
        self.xdotool("mousemove", "--sync", self.window.x + self.px(9300),
                     self.window.y + self.px(4500))

    def pointer_into(self, rect):
        """The pointer onto a window's bottom left corner: its margin, no control."""
        self.xdotool("mousemove", "--sync", rect.x + 2 * self.scale,
                     rect.y + rect.h - 1 - 2 * self.scale)

    def wait_menu(self, what="the menu"):
        menu = self.on_screen(self.control(Layout.fraMenu)).inset(4 * self.scale)
        self.wait_colour((menu.x, menu.y + menu.h - 1), MENU_RED, 20, what)

    def ok_shown(self):
        return e2e.ok_shown(self, self.scale)

    def wait_ok(self, shown, what, timeout=30):
        wait_until(lambda: self.ok_shown() == shown, timeout, what)

    def window_behind(self, rect):
        r = self.on_screen(rect)
        return close_to(self.colour_at((r.x + 6, r.y + 6)), DARK_RED)

    def guided(self):
        """The character the guide asks for, once two grabs agree; None while none."""
        keys = self.control(Layout.picKeys)
        first = guided_character(self.grab(keys), self.window, self.scale)
        time.sleep(0.025)
        second = guided_character(self.grab(keys), self.window, self.scale)
        return first if first is not None and first == second else None

    def type_by_guide(self, limit=120):
        """Types a drill line key by key as the guide marks them, each once the cursor
        box has moved on from the last, up to the line's Enter."""
        display = self.on_screen(self.control(Layout.picDisplay))
        for _ in range(limit):
            ch = wait_until(self.guided, 10, "the guide to mark a key")
            box = cursor_box_left(self.grabber.grab(display), display)
            self.key(keysym(ch))
            if ch == "\n":
                return
            wait_until(lambda: (cursor_box_left(self.grabber.grab(display), display) or 0) > box,
                       10, "the cursor box to move on after %r" % ch)
            time.sleep(0.04)
        raise E2EError("the line did not end after %d keys" % limit)

    def title(self, context, source):
        """A window's title in the session's language, as a pattern."""
        return ascii_pattern(e2e.translated(self.lang, context, source).replace("&", ""))

    def alt(self, context, source):
        """The Alt+letter of a button's text in the session's language."""
        text = e2e.translated(self.lang, context, source).replace("&&", "")
        return "alt+" + text[text.index("&") + 1].lower()

    def close_window(self, title, key="Escape"):
        """Closes a window of the program's own with a key; then gives the keyboard
        back to the main window, as a window manager would, and the pointer onto it."""
        self.key(key)
        wait_until(lambda: find_window(self, title) is None, 20, "%s to close" % title)
        self.xdotool("windowfocus", "--sync", self.window.wid)
        self.active = self.window
        self.park_pointer()

    def open_window(self, title, timeout=30):
        """Waits for a window of the program's to be on screen, drawn and given the
        keyboard; puts the pointer on its margin; returns its rectangle."""
        rect = wait_until(lambda: find_window(self, title), timeout, "the window %s" % title)
        self.pointer_into(rect)
        self.wait_focused(rect, timeout)
        self.active = rect
        # No window of ours has a black background: black is the screen behind a
        # window not yet drawn.
        corner = (rect.x + 2 * self.scale, rect.y + rect.h - 1 - 2 * self.scale)
        wait_until(lambda: self.colour_at(corner) != (0, 0, 0), timeout,
                   "the window %s drawn" % title)
        return rect

    def stop_to_menu(self, stop):
        self.click(self.control(*stop))
        self.wait_menu("the menu again")

    # -- shots -------------------------------------------------------------

    def grab_screen(self):
        w, h = SCREENS[self.scale]
        return self.grabber.grab(Rect(0, 0, w, h))

    def settled(self, caret=None, timeout=30):
        """The screen once it holds still: two grabs 0.3 s apart alike (outside caret,
        a rectangle where a text caret blinks)."""
        def still_part(image):
            return blank(image, caret, (0, 0, 0)).rgb if caret else image.rgb

        last = self.grab_screen()
        deadline = e2e.now() + timeout
        while True:
            time.sleep(0.3)
            image = self.grab_screen()
            if still_part(image) == still_part(last):
                break
            if e2e.now() > deadline:
                raise E2EError("the screen did not hold still in %.0f s" % timeout)
            last = image
        if caret is None:
            return image
        # The caret blinks on and off every half a second or so: grabs over a good second
        # see it both ways.
        frames = []
        end = e2e.now() + 1.3
        while e2e.now() < end:
            frames.append(self.grab_screen())
            time.sleep(0.08)
        return caret_shown(frames, caret)

    def mask_rect(self, window, rect):
        """A mask's rectangle on screen (see MASKS)."""
        if window == "Tapwell":
            return self.on_screen(self.control(rect))
        at = find_window(self, window)
        if at is None and window == "My Progress":
            at = find_window(self, self.title("tapwell::ProgressWindow", window))
        if at is None:
            raise E2EError("no window %s to mask" % window)
        x, y, w, h = (v * self.scale for v in rect)
        return Rect(at.x + x, at.y + y, w, h)

    def shot(self, number, name, caret=None):
        """Saves the whole screen once the window in use has the keyboard (its focused
        control is drawn so) and the screen holds still; masks painted."""
        self.wait_focused(self.active)
        image = self.settled(caret)
        for window, rect, _why in ([] if self.unmasked else MASKS.get(name, [])):
            image = blank(image, self.mask_rect(window, rect), MASK_COLOUR)
        path = os.path.join(self.out, "%dx_%02d_%s.png" % (self.scale, number, name))
        image.save_png(path)
        self.saved.append(path)
        log("  %s" % os.path.basename(path))


def caret_shown(frames, caret):
    """Of grabs of a still screen on which a text caret blinks inside the rectangle
    caret, one with the caret shown: the darkest of the (one or two) looks of caret."""
    looks, rest = {}, set()
    for image in frames:
        looks.setdefault(crop(image, caret), image)
        rest.add(hashlib.sha1(blank(image, caret, (0, 0, 0)).rgb).digest())
    if len(rest) > 1:
        raise E2EError("the screen changed outside the caret's box")
    if len(looks) > 2:
        raise E2EError("the caret's box changed more than a blink's worth: %d looks"
                       % len(looks))
    return looks[min(looks, key=sum)]


def guided_character(image, window, scale):
    """The character the guide marks: as the harness reads it, but a marked face is read
    5 pixels in from its corners at 1x and 10 at 2x, clear of its dark ring."""
    keys = Layout.keys(scale)
    inset = 5 * scale

    def marked(rect):
        return all(close_to(image.pixel(*p), YELLOW)
                   for p in rect.offset(window.x, window.y).corners(inset))

    space = control(Layout.picKeys, Layout.pnlSpace, scale=scale).offset(window.x, window.y)
    if close_to(image.pixel(space.x + 8 * scale, space.y + space.h // 2), YELLOW):
        return " "
    lit = {index for index, (_, rect) in keys.items() if marked(rect)}
    shifted = bool(lit & {Layout.LEFT_SHIFT, Layout.RIGHT_SHIFT})
    chars = lit - {Layout.LEFT_SHIFT, Layout.RIGHT_SHIFT}
    if chars == {Layout.ENTER}:
        return "\n"
    if len(chars) != 1:
        return None
    ch = keys[chars.pop()][0]
    if shifted:
        ch = ch.upper() if ch.isalpha() else SHIFTED[ch]
    return ch


def faketime_library():
    for path in FAKETIME_LIBRARIES:
        if os.path.exists(path):
            return path
    raise E2EError("libfaketime is not installed (Debian: apt-get install faketime)")


def is_library(name):
    return name.endswith(".so") or ".so." in name


def copy_program(binary, data_dir, app_dir):
    """The program, its data files, and every library beside it, into app_dir.

    Libraries (*.so, *.so.N): each beside the binary, each in a folder beside it (a
    plugins folder: its layout is kept), and those the end-to-end tests name in
    TAPWELL_SOUND_LIBRARY and TAPWELL_PROGRESS_LIBRARY. Data: the harness's data files
    and anything else beside the binary that looks like data, beside the binary first,
    else in data_dir."""
    here = os.path.dirname(os.path.abspath(binary))
    shutil.copy2(binary, os.path.join(app_dir, "tapwell"))
    for f in e2e.DATA_FILES:
        source = os.path.join(here, f)
        if not os.path.exists(source):
            source = os.path.join(data_dir, f)
        shutil.copy2(source, os.path.join(app_dir, f))
    # The Word Drill's words in each language.
    for folder in (os.path.join(here, "words"), os.path.join(data_dir, "words")):
        if os.path.isdir(folder):
            shutil.copytree(folder, os.path.join(app_dir, "words"),
                            ignore=shutil.ignore_patterns("never.txt", "skip.txt"))
            break
    for entry in sorted(os.listdir(here)):
        path = os.path.join(here, entry)
        if os.path.isfile(path) and (is_library(entry) or entry.endswith(DATA_EXTENSIONS)):
            shutil.copy2(path, os.path.join(app_dir, entry))
        elif os.path.isdir(path) and not entry.startswith(".") and entry != "CMakeFiles":
            for root, dirs, files in os.walk(path):
                dirs[:] = [x for x in dirs if not x.startswith(".") and x != "CMakeFiles"]
                for f in files:
                    if is_library(f):
                        target = os.path.join(app_dir, os.path.relpath(root, here), f)
                        os.makedirs(os.path.dirname(target), exist_ok=True)
                        shutil.copy2(os.path.join(root, f), target)
    for variable in ("TAPWELL_SOUND_LIBRARY", "TAPWELL_PROGRESS_LIBRARY"):
        library = os.environ.get(variable)
        if library and os.path.exists(library):
            shutil.copy2(library, os.path.join(app_dir, os.path.basename(library)))


# ---------------------------------------------------------------------------
# The walk through the program.

def walk(s):
    """Every screen, in the order a child meets them; one PNG each."""
    n = iter(range(1, 100))
    sc = s.scale

    s.shot(next(n), "about")

    # OK: the main window's menu screen.
    ok = s.control((4440, 2520, 975, 495)).offset(s.about.x, s.about.y)
    s.click_screen(*ok.center())
    s.window = wait_until(lambda: find_window(s, "Tapwell"), 60, "the main window")
    if (s.window.w, s.window.h) != tuple(sc * v for v in Layout.WINDOW):
        raise E2EError("the main window is %dx%d" % (s.window.w, s.window.h))
    s.wait_focused(s.window)
    s.active = s.window
    s.park_pointer()
    s.wait_menu()
    s.shot(next(n), "menu")

    # The help, from the menu screen.
    s.key("F1")
    help_title = s.title("tapwell::HelpViewer", "Tapwell Help")
    if s.lang:
        hlp = os.path.join(REPO, "data", "tapwell_%s.hlp" % s.lang.split(".")[0])
        if os.path.exists(hlp):
            with open(hlp, encoding="utf-8") as f:
                help_title = ascii_pattern(re.search(r"<title>(.*?)</title>", f.read()).group(1))
    s.open_window(help_title)
    s.shot(next(n), "help")
    s.close_window(help_title)

    # Learn Keyboard: the lesson choices, the Home Row lesson's first page and its next.
    s.click(s.control(Layout.fraMenu, (360, 360, 2655, 375)))
    button = s.control(Layout.fraLearn, (120, 600, 2295, 375))

    def lessons_listed():
        # The Home Row button's caption is black, not greyed.
        return s.grab(button).count(s.on_screen(button), lambda c: max(c) < 70) > 20

    wait_until(lessons_listed, 20, "the lesson choices")
    s.shot(next(n), "learn_keyboard")
    s.click(button)
    next_button = s.control(Layout.cmdNext[1])
    wait_until(lambda: not s.window_behind(next_button), 20, "the lesson's Next button")
    page = s.grab(s.control(Layout.picDisplay)).rgb
    s.shot(next(n), "lesson_page_1")
    s.click(next_button)
    wait_until(lambda: s.grab(s.control(Layout.picDisplay)).rgb != page, 20, "the next page")
    s.shot(next(n), "lesson_page_2")
    # Stop leaves the lesson for the choices; Stop again, the menu.
    learn_stop = s.control(Layout.fraLearn, (1455, 2085, 615, 615))
    s.click(learn_stop)
    wait_until(lambda: s.window_behind(s.control(Layout.cmdNext[1])), 20, "the lesson to go")
    wait_until(lessons_listed, 20, "the lesson choices again")
    s.click(learn_stop)
    s.wait_menu("the menu again")

    # Keyboard Practice, as it opens.
    drill_stop = (Layout.fraDrill, (1440, 2040, 615, 615))
    s.click(s.control(Layout.fraMenu, (360, 840, 2655, 375)))
    s.wait_ok(True, "the Keyboard Practice's OK")
    s.shot(next(n), "keyboard_practice_open")
    s.stop_to_menu(drill_stop)

    # Character Drill: open, a line, an on-screen key clicked, the line typed through
    # with one mistake, and its result.
    s.click(s.control(Layout.fraMenu, (360, 1320, 2655, 375)))
    s.wait_ok(True, "the Character Drill's OK")
    s.shot(next(n), "character_drill_open")
    s.click(s.control(Layout.cmdOK))
    s.wait_ok(False, "OK to go when the line starts")
    asked = wait_until(s.guided, 20, "the guide to mark the line's first key")
    s.shot(next(n), "character_drill_line")

    q_key = Layout.keys(sc)[64][1]
    s.click(q_key)
    s.open_window(s.title("tapwell::FrmType", "Try Again!"))
    s.shot(next(n), "try_again")
    s.close_window(s.title("tapwell::FrmType", "Try Again!"), key="Return")

    wrong = next(c for c in "asdfjkl;" if c != asked)
    s.key(keysym(wrong))
    s.type_by_guide()
    s.wait_ok(True, "OK after the line's result")
    s.shot(next(n), "character_drill_result")
    s.stop_to_menu(drill_stop)

    # My Progress (Alt+P), with that line in it.
    s.key(s.alt("tapwell::ChildFrame", "My &Progress"))
    rect = s.open_window(s.title("tapwell::ProgressWindow", "My Progress"))
    wait_until(lambda: progress_drawn(s, rect), 30, "the trouble map")
    s.shot(next(n), "my_progress")
    s.close_window(s.title("tapwell::ProgressWindow", "My Progress"))
    s.wait_menu()

    # Tricky Keys (Alt+T): open, and its first line.
    s.key(s.alt("tapwell::ChildFrame", "&Tricky Keys"))
    s.wait_ok(True, "the Tricky Keys' OK")
    s.shot(next(n), "tricky_keys_open")
    s.click(s.control(Layout.cmdOK))
    s.wait_ok(False, "OK to go when the line starts")
    wait_until(s.guided, 20, "the guide to mark the tricky line's first key")
    s.shot(next(n), "tricky_keys_line")
    s.stop_to_menu(drill_stop)

    # Who is typing? (Change, Alt+C) and back.
    s.key(s.alt("tapwell::ChildFrame", "&Change"))
    s.open_window(s.title("tapwell::ChildChooser", "Who is typing?"))
    s.shot(next(n), "who_is_typing")
    s.close_window(s.title("tapwell::ChildChooser", "Who is typing?"))
    s.wait_menu()

    # Word Drill: open, a line, typed through, its two-line result.
    s.click(s.control(Layout.fraMenu, (360, 1800, 2655, 375)))
    s.wait_ok(True, "the Word Drill's OK")
    s.shot(next(n), "word_drill_open")
    s.click(s.control(Layout.cmdOK))
    s.wait_ok(False, "OK to go when the line starts")
    wait_until(s.guided, 20, "the guide to mark the word line's first key")
    s.shot(next(n), "word_drill_line")
    s.type_by_guide()
    s.wait_ok(True, "OK after the word line's result")
    s.shot(next(n), "word_drill_result")
    s.stop_to_menu(drill_stop)

    # Timed Drill: open, a run typed (caret shown), its result.
    s.click(s.control(Layout.fraMenu, (360, 2280, 2655, 375)))
    s.wait_ok(True, "the Timed Drill's OK")
    s.shot(next(n), "timed_drill_open")
    s.click(s.control(Layout.cmdOK))
    s.wait_ok(False, "OK to go when the run starts")
    s.type("the quick brown fox jumps over the lazy dog", 40)
    s.shot(next(n), "timed_drill_typed", caret=s.on_screen(s.control(Layout.txtTime)))
    s.key("Return")
    s.wait_ok(True, "OK after the run's result")
    s.shot(next(n), "timed_drill_result")
    s.stop_to_menu((Layout.fraTime, (1440, 480, 615, 615)))

    # Exit.
    s.click(s.control(Layout.fraHelp, (2040, 240, 855, 375)))
    code = s.wait_exit(30)
    if code != 0:
        raise E2EError("tapwell ended with code %s" % code)


def progress_drawn(s, rect):
    """Whether My Progress shows its trouble map: a blue board at least as wide as the
    on-screen keyboard's keys."""
    image = s.grabber.grab(rect)
    blue = 0
    for y in range(0, rect.h, 4 * s.scale):
        row = image.rgb[y * rect.w * 3:(y + 1) * rect.w * 3]
        blue = max(blue, sum(1 for i in range(0, len(row), 3) if row[i:i + 3] == b"\0\0\xff"))
    return blue > 300 * s.scale


def shoot(binary, data_dir, out, scales, artifacts=None, unmasked=False, lang=None):
    os.makedirs(out, exist_ok=True)
    for scale in scales:
        for old in glob.glob(os.path.join(out, "%dx_*.png" % scale)):
            os.remove(old)
        started = time.monotonic()
        log("%dx:" % scale)
        with ScreenSession(binary, data_dir, scale, artifacts, lang) as s:
            s.out = out
            s.unmasked = unmasked
            walk(s)
            stderr = s.read("tapwell.stderr")
        if stderr:
            log("  tapwell wrote on stderr:\n" + stderr[-3000:])
        log("  %d screens at %dx in %.0f s" % (len(s.saved), scale, time.monotonic() - started))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("shoot", help="photograph every screen")
    p.add_argument("--binary", required=True, help="the tapwell program")
    p.add_argument("--out", required=True, help="folder for the PNGs")
    p.add_argument("--scale", type=int, choices=(1, 2), help="1 or 2 (both when not given)")
    p.add_argument("--data", default=os.path.join(REPO, "data"),
                   help="where data files missing beside the binary are found")
    p.add_argument("--artifacts", help="on a failure, keep a screenshot and the logs here")
    p.add_argument("--unmasked", action="store_true",
                   help="paint no masks (see MASKS): such PNGs differ run to run")
    p.add_argument("--lang", help="the locale tapwell starts in (de_DE.UTF-8); C.UTF-8 if none")
    c = sub.add_parser("compare", help="compare two folders of PNGs pixel by pixel")
    c.add_argument("dir_a")
    c.add_argument("dir_b")
    c.add_argument("--diffs", help="write a picture of each difference here")
    args = parser.parse_args(argv)
    if args.command == "compare":
        return compare(args.dir_a, args.dir_b, args.diffs)
    scales = [args.scale] if args.scale else [1, 2]
    shoot(os.path.abspath(args.binary), args.data, args.out, scales, args.artifacts,
          args.unmasked, args.lang)
    return 0


if __name__ == "__main__":
    sys.exit(main())
