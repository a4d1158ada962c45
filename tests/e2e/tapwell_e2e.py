"""Runs the real tapwell program the way a child meets it, for the end-to-end tests.

One Session is one private world: an Xvfb display, a PulseAudio server whose only
output is a null sink (no hardware, no network), and the tapwell binary copied with
its data into a temporary folder, with a configuration folder of its own. Keys and
clicks go through the X server with xdotool (keys pressed one by one through its
library, libxdo, in this process); what is on screen is read back from
screenshots (ImageMagick's import) or, where a test needs to time what it sees, from
a fast grab through libX11. The sound server's output is recorded from the null
sink's monitor.

Everything a session starts, it stops by process id: on leaving the `with` block
(also when a test fails), at interpreter exit, on SIGTERM/SIGINT, and, should this
process die without a word, through the children's parent-death signal.

Standard library only.
"""

import array
import atexit
import contextlib
import ctypes
import ctypes.util
import fcntl
import json
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import termios
import threading
import time
import wave
import xml.etree.ElementTree as ET
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def atspi_python():
    """A Python that has the AT-SPI bindings (Debian's python3-gi and gir1.2-atspi-2.0):
    this one, or the system's."""
    for python in (sys.executable, "/usr/bin/python3"):
        if python and subprocess.run([python, "-c", "import gi; gi.require_version('Atspi', '2.0')"],
                                     capture_output=True).returncode == 0:
            return python
    raise E2EError("no Python with the AT-SPI bindings (python3-gi, gir1.2-atspi-2.0)")


DATA_FILES = ("key.dat", "tapwell1.ini", "tapwell.hlp", "ding.wav", "uhoh.wav", "tada.wav") + tuple(
    "tapwell_%s.hlp" % l for l in ("de", "fr", "es", "it", "pt_BR", "nb"))
# The program's optional parts (the sound, "My Progress"): each of these variables names
# a built file, copied beside the program under its own file name.
PART_VARIABLES = ("TAPWELL_SOUND_LIBRARY", "TAPWELL_PROGRESS_LIBRARY", "TAPWELL_SPEECH_LIBRARY")
SCREEN_SIZE = (1024, 768)
NULL_SINK = "tapwell_null"
RECORD_RATE = 48000  # mono, signed 16-bit little-endian

# Reports of the sanitizers in the program's stderr; any one fails the test.
SANITIZER_REPORT = re.compile(
    r"ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer)|runtime error:|"
    r"WARNING: AddressSanitizer|SUMMARY: (Address|UndefinedBehavior)Sanitizer")


class E2EError(AssertionError):
    """Something the program or its world did not do in time."""


def now():
    """The one clock of the tests: key presses, screen grabs and sound all use it."""
    return time.monotonic()


def translated(lang, context, source):
    """The program's text in the language of locale lang ("de_DE.UTF-8"), as its .ts file
    has it (with its Alt+letter mark); the English source without a language or a
    translation."""
    if not lang:
        return source
    code = lang.split(".")[0]
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")
    for name in (code, code.split("_")[0]):
        ts = os.path.join(folder, "tapwell_%s.ts" % name)
        if os.path.exists(ts):
            for c in ET.parse(ts).getroot().iter("context"):
                if c.findtext("name") != context:
                    continue
                for m in c.iter("message"):
                    if m.findtext("source") == source and m.findtext("translation"):
                        return m.findtext("translation")
    return source


def wait_until(predicate, timeout, what, interval=0.02):
    """Polls predicate until it returns something true; returns that, or raises (what
    says what was waited for; a callable gives it when the time is up)."""
    deadline = now() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if now() > deadline:
            raise E2EError("timed out after %.1f s waiting for %s"
                           % (timeout, what() if callable(what) else what))
        time.sleep(interval)


# ---------------------------------------------------------------------------
# Layout: positions in twips, as the main window lays its controls out.

def px(twips, scale=1.0):
    """Twips to pixels, rounded as the program rounds them (15 twips a pixel); scale is
    the window's layout scale, 1 at the layout's own size."""
    return int(twips * scale / 15 + (0.5 if twips >= 0 else -0.5))


class Rect:
    """A rectangle in pixels: x, y, width, height; a window's also has its X id."""

    def __init__(self, x, y, w, h, wid=None):
        self.x, self.y, self.w, self.h, self.wid = x, y, w, h, wid

    def __repr__(self):
        return "Rect(%d, %d, %d, %d)" % (self.x, self.y, self.w, self.h)

    def center(self):
        return (self.x + self.w // 2, self.y + self.h // 2)

    def offset(self, dx, dy):
        return Rect(self.x + dx, self.y + dy, self.w, self.h)

    def inset(self, d):
        return Rect(self.x + d, self.y + d, self.w - 2 * d, self.h - 2 * d)

    def corners(self, d):
        """Four points d pixels inside the corners: on a key's face, clear of its caption."""
        return [(self.x + d, self.y + d), (self.x + self.w - 1 - d, self.y + d),
                (self.x + d, self.y + self.h - 1 - d),
                (self.x + self.w - 1 - d, self.y + self.h - 1 - d)]


def control(*places, scale=1.0):
    """The pixel rectangle of a control inside the main window's client area (inside
    the layout's area, when the window is scaled).

    Each place is (left, top, width, height) in twips relative to its parent, outermost
    parent first; every level is rounded on its own, as the program places them.
    """
    x = y = 0
    for left, top, _, _ in places[:-1]:
        x += px(left, scale)
        y += px(top, scale)
    left, top, width, height = places[-1]
    return Rect(x + px(left, scale), y + px(top, scale), px(width, scale), px(height, scale))


class Layout:
    """The main window's controls that the tests look at or click (twips)."""

    WINDOW = (631, 446)
    fraMenu = (3000, 480, 3375, 2775)
    fraHelp = (2400, 4440, 3015, 735)
    picKeys = (0, 0, 9495, 3495)
    fraDrill = (120, 3720, 2535, 2775)
    fraTime = (120, 3720, 2535, 1455)
    fraLearn = (120, 3735, 2535, 2775)
    picDisplay = (3000, 3600, 6135, 2535)
    txtTime = (3000, 3600, 6255, 2535)
    fraSpeed = (4440, 5160, 3255, 855)
    lblSpeed = (495, 360, 2265, 270)
    cmdOK = (5625, 6165, 855, 495)
    cmdNext = [(5400, 6165, 615, 495), (6120, 6165, 615, 495)]
    pnlSpace = (2760, 2520, 4215, 615)

    @staticmethod
    def menu_button(i):
        return control(Layout.fraMenu, (360, 360 + 480 * i, 2655, 375))

    @staticmethod
    def learn_button(i):
        tops = [285, 600, 960, 1320, 1680]
        return control(Layout.fraLearn, (120, tops[i], 2295, 375))

    @staticmethod
    def row_box(i):
        places = [(480, 315, 1455, 255), (480, 555, 1335, 255), (480, 795, 1575, 270),
                  (480, 1035, 1695, 270)]
        return control(Layout.fraDrill, places[i])

    use_shift_box = staticmethod(lambda: control(Layout.fraDrill, (480, 1440, 1695, 255)))
    key_sound_box = staticmethod(lambda: control(Layout.fraDrill, (480, 1680, 1455, 255)))
    drill_stop = staticmethod(lambda: control(Layout.fraDrill, (1440, 2040, 615, 615)))
    time_stop = staticmethod(lambda: control(Layout.fraTime, (1440, 480, 615, 615)))
    learn_stop = staticmethod(lambda: control(Layout.fraLearn, (1455, 2085, 615, 615)))
    exit_button = staticmethod(lambda: control(Layout.fraHelp, (2040, 240, 855, 375)))
    ok_button = staticmethod(lambda: control(Layout.cmdOK))
    display = staticmethod(lambda: control(Layout.picDisplay))
    results = staticmethod(lambda: control(Layout.fraSpeed))
    results_label = staticmethod(lambda: control(Layout.fraSpeed, Layout.lblSpeed))
    space_bar = staticmethod(lambda: control(Layout.picKeys, Layout.pnlSpace))

    # The on-screen keys: index -> (left, top, width), all 615 twips high.
    KEY_ROWS = [(52, "1234567890-=", 960, 120), (64, "qwertyuiop[]", 1200, 720),
                (76, "asdfghjkl;'", 1560, 1320), (89, "zxcvbnm,./", 1800, 1920)]
    ENTER, LEFT_SHIFT, RIGHT_SHIFT = 87, 88, 99

    @staticmethod
    def keys(scale=1.0):
        """Every on-screen key: {index: (character it types unshifted or name, Rect)}."""
        keys = {}
        for first, chars, left, top in Layout.KEY_ROWS:
            for i, ch in enumerate(chars):
                keys[first + i] = (ch, control(Layout.picKeys, (left + 600 * i, top, 615, 615),
                                               scale=scale))
        for index, name, left, width in ((Layout.ENTER, "Enter", 8160, 1215),
                                         (Layout.LEFT_SHIFT, "Shift", 720, 1095),
                                         (Layout.RIGHT_SHIFT, "Shift", 7800, 1095)):
            top = 1320 if index == Layout.ENTER else 1920
            keys[index] = (name, control(Layout.picKeys, (left, top, width, 615), scale=scale))
        return keys


# Colours the program paints.
YELLOW = (255, 255, 0)
LIGHT_GREY = (192, 192, 192)
DARK_RED = (192, 0, 0)
BLUE = (0, 0, 255)
WHITE = (255, 255, 255)


def close_to(colour, expected, tolerance=6):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


# ---------------------------------------------------------------------------
# Images.

class Image:
    """An RGB image: rows of bytes, three per pixel; (x0, y0) is its screen origin."""

    def __init__(self, width, height, rgb, x0=0, y0=0):
        self.width, self.height, self.rgb, self.x0, self.y0 = width, height, rgb, x0, y0

    def pixel(self, x, y):
        """The colour at screen position (x, y)."""
        x -= self.x0
        y -= self.y0
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError("pixel (%d, %d) outside the image" % (x + self.x0, y + self.y0))
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def count(self, rect, match):
        """How many pixels of a screen rectangle satisfy match(colour)."""
        return sum(1 for y in range(rect.y, rect.y + rect.h)
                   for x in range(rect.x, rect.x + rect.w) if match(self.pixel(x, y)))

    def save_png(self, path):
        rows = b"".join(b"\0" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                        for y in range(self.height))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(rows, 6)))
            f.write(chunk(b"IEND", b""))


def parse_ppm(data):
    """An 8-bit binary PPM (P6) as an Image."""
    m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    if not m or m.group(3) != b"255":
        raise E2EError("not an 8-bit PPM screenshot")
    w, h = int(m.group(1)), int(m.group(2))
    rgb = data[m.end():m.end() + w * h * 3]
    if len(rgb) != w * h * 3:
        raise E2EError("screenshot cut short")
    return Image(w, h, rgb)


class _XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, enough to read a ZPixmap.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class FastGrabber:
    """Reads screen rectangles, and where the keyboard focus is, through libX11 in a
    millisecond or two.

    import needs about 0.2 s for a screenshot, too coarse to time when a button
    appears; this keeps one connection open and asks the server for a rectangle.
    """

    def __init__(self, display):
        name = ctypes.util.find_library("X11")
        if not name:
            raise E2EError("libX11 not found")
        x = ctypes.CDLL(name)
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XGetImage.restype = ctypes.POINTER(_XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong),
                                     ctypes.POINTER(ctypes.c_int)]
        self._x = x
        self._dpy = x.XOpenDisplay(display.encode())
        if not self._dpy:
            raise E2EError("cannot open display %s" % display)
        self._root = x.XDefaultRootWindow(self._dpy)

    def grab(self, rect):
        img = self._x.XGetImage(self._dpy, self._root, rect.x, rect.y, rect.w, rect.h,
                                0xFFFFFFFF, 2)  # AllPlanes, ZPixmap
        if not img:
            raise E2EError("XGetImage failed for %r" % (rect,))
        try:
            im = img.contents
            if im.bits_per_pixel != 32 or im.byte_order != 0:
                raise E2EError("unexpected pixel format (%d bpp)" % im.bits_per_pixel)
            raw = ctypes.string_at(im.data, im.bytes_per_line * im.height)
        finally:
            self._x.XDestroyImage(img)
        rgb = bytearray(rect.w * rect.h * 3)
        stride = im.bytes_per_line
        for y in range(rect.h):
            row = raw[y * stride:y * stride + rect.w * 4]
            # Little-endian 0x00RRGGBB: bytes B, G, R, X.
            rgb[y * rect.w * 3 + 0:(y + 1) * rect.w * 3:3] = row[2::4]
            rgb[y * rect.w * 3 + 1:(y + 1) * rect.w * 3:3] = row[1::4]
            rgb[y * rect.w * 3 + 2:(y + 1) * rect.w * 3:3] = row[0::4]
        return Image(rect.w, rect.h, bytes(rgb), rect.x, rect.y)

    def focus(self):
        """The window that has the X input focus (0 for none, 1 for the pointer's)."""
        window, revert = ctypes.c_ulong(), ctypes.c_int()
        self._x.XGetInputFocus(self._dpy, ctypes.byref(window), ctypes.byref(revert))
        return window.value

    def close(self):
        if self._dpy:
            self._x.XCloseDisplay(self._dpy)
            self._dpy = None


class FastKeys:
    """Presses keys as `xdotool key` does, through xdotool's own library in this process.

    Starting xdotool for a key takes a few milliseconds, and on a busy machine now and
    then some hundred: more than a key's sound may take, and when within that time the
    key went out would not be known.
    """

    def __init__(self, display):
        names = [ctypes.util.find_library(n) for n in ("xdo", "X11")]
        if not all(names):
            raise E2EError("libxdo (it comes with xdotool) or libX11 not found")
        xdo, x = (ctypes.CDLL(n) for n in names)
        xdo.xdo_new.restype = ctypes.c_void_p
        xdo.xdo_new.argtypes = [ctypes.c_char_p]
        xdo.xdo_send_keysequence_window.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                                    ctypes.c_char_p, ctypes.c_uint]
        xdo.xdo_free.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self._xdo_lib, self._x = xdo, x
        self._xdo = xdo.xdo_new(display.encode())
        if not self._xdo:
            raise E2EError("libxdo cannot open display %s" % display)

    def press(self, keys):
        """Presses and releases a key or a chord ("Return", "alt+p"), to the window with
        the focus; returns once the X server has taken it."""
        if self._xdo_lib.xdo_send_keysequence_window(self._xdo, 0, keys.encode(), 0) != 0:
            raise E2EError("xdo could not press %r" % keys)
        # An xdo_t begins with its Display.
        self._x.XSync(ctypes.cast(self._xdo, ctypes.POINTER(ctypes.c_void_p))[0], 0)

    def close(self):
        if self._xdo:
            self._xdo_lib.xdo_free(self._xdo)
            self._xdo = None


# ---------------------------------------------------------------------------
# Processes.

_live = {}  # pid -> (name, Popen): everything started and not yet stopped


def _parent_death_signal():
    # Runs in the child before exec: die with the test process, however it ends.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def start_process(name, args, env, **kwargs):
    p = subprocess.Popen(args, env=env, preexec_fn=_parent_death_signal, **kwargs)
    _live[p.pid] = (name, p)
    return p


def stop_process(p, grace=3.0):
    """Stops one process by its id: SIGTERM, then SIGKILL; returns its exit code."""
    if p is None:
        return None
    if p.poll() is None:
        with contextlib.suppress(ProcessLookupError):
            os.kill(p.pid, signal.SIGTERM)
        try:
            p.wait(grace)
        except subprocess.TimeoutExpired:
            with contextlib.suppress(ProcessLookupError):
                os.kill(p.pid, signal.SIGKILL)
            p.wait()
    _live.pop(p.pid, None)
    return p.returncode


def _stop_everything():
    for pid in reversed(list(_live)):
        stop_process(_live[pid][1], grace=1.0)


def _on_signal(signum, _frame):
    _stop_everything()
    sys.exit(128 + signum)


atexit.register(_stop_everything)
for _sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
    signal.signal(_sig, _on_signal)


def _tool(name):
    path = shutil.which(name)
    if not path:
        raise E2EError("%s is not installed (tools/deps.sh test installs it)" % name)
    return path


def _start_xvfb(workdir):
    """An Xvfb of our own on the first free display from :50; returns (name, process)."""
    xvfb = _tool("Xvfb")
    for n in range(50, 200):
        if os.path.exists("/tmp/.X%d-lock" % n) or os.path.exists("/tmp/.X11-unix/X%d" % n):
            continue
        read_fd, write_fd = os.pipe()
        log = open(os.path.join(workdir, "xvfb.log"), "wb")
        p = start_process("Xvfb", [xvfb, ":%d" % n, "-screen", "0", "%dx%dx24" % SCREEN_SIZE,
                                   "-noreset", "-nolisten", "tcp", "-displayfd", str(write_fd)],
                          env={"PATH": os.environ.get("PATH", "/usr/bin:/bin")},
                          stdout=log, stderr=log, pass_fds=(write_fd,))
        os.close(write_fd)
        log.close()
        # Xvfb writes the display number once it accepts clients; another test that
        # took the same number first makes it exit instead.
        with os.fdopen(read_fd, "rb") as r:
            ready = r.readline().strip()
        if ready == str(n).encode():
            return ":%d" % n, p
        stop_process(p)
    raise E2EError("no free X display from :50 to :199")


class Recorder:
    """Records the null sink's monitor; maps sample numbers to the tests' clock.

    Each chunk read from parec is stamped on arrival. A sample cannot arrive before
    the server mixed it, so the earliest arrival over the whole recording, less the
    samples before it, gives when sample 0 was mixed: time(n) = t0 + n / rate. That
    takes out the jitter of the reads; what remains is the server's own mixing ahead
    of real time (one block, a few milliseconds at the latency asked for here).
    """

    def __init__(self, env, device=NULL_SINK + ".monitor", latency_ms=5):
        self._p = start_process("parec", [
            _tool("parec"), "-d", device, "--raw", "--format=s16le", "--rate=%d" % RECORD_RATE,
            "--channels=1", "--latency-msec=%d" % latency_ms], env=env,
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._lock = threading.Lock()
        self._data = bytearray()
        self._arrivals = []  # (time after the read, samples read in all)
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()

    def _read(self):
        fd = self._p.stdout.fileno()
        while True:
            chunk = os.read(fd, 4096)
            t = now()
            if not chunk:
                return
            with self._lock:
                self._data += chunk
                self._arrivals.append((t, len(self._data) // 2))

    def wait_running(self, timeout=5.0):
        wait_until(lambda: len(self._arrivals) > 10, timeout, "the recording to start")

    def stop(self):
        stop_process(self._p)
        self._thread.join(2.0)
        self._p.stdout.close()

    def timeline(self, since=None):
        """(samples, t0): sample n was mixed at t0 + n / RECORD_RATE; with since (a time
        on the tests' clock), only the samples mixed from then on."""
        with self._lock:
            data = bytes(self._data[:len(self._data) // 2 * 2])
            arrivals = list(self._arrivals)
        if not arrivals:
            raise E2EError("nothing was recorded")
        t0 = min(t - n / RECORD_RATE for t, n in arrivals)
        first = 0 if since is None else min(max(0, int((since - t0) * RECORD_RATE)),
                                            len(data) // 2)
        return (struct.unpack("<%dh" % (len(data) // 2 - first), data[first * 2:]),
                t0 + first / RECORD_RATE)

    def wait_heard(self, t, timeout=10.0):
        """Waits until the recording holds what the server mixed up to time t."""
        wait_until(lambda: self.timeline(since=t)[0], timeout,
                   "the recording to reach %.3f" % t, interval=0.05)

    def wait_heard_out(self, after, quiet=0.2, timeout=10.0):
        """Waits until the sounds that began after time `after` are heard to their end:
        one at least, and then nothing for `quiet` seconds."""
        def heard_out():
            samples, t0 = self.timeline(since=after)
            bursts = sound_bursts(samples, t0)
            return bursts and t0 + len(samples) / RECORD_RATE >= bursts[-1][1] + quiet
        wait_until(heard_out, timeout, "a sound after %.3f heard to its end" % after,
                   interval=0.05)


def sound_bursts(samples, t0, threshold=500, gap_ms=30):
    """The sounds in a recording: [(start time, end time, peak)], by the tests' clock.

    A burst is a run of samples louder than threshold with no silence longer than
    gap_ms inside it.
    """
    gap = RECORD_RATE * gap_ms // 1000
    bursts = []
    start = last = None
    peak = 0
    for i, v in enumerate(samples):
        if v > threshold or v < -threshold:
            if start is None or i - last > gap:
                if start is not None:
                    bursts.append((start, last, peak))
                start, peak = i, 0
            last = i
            peak = max(peak, abs(v))
    if start is not None:
        bursts.append((start, last, peak))
    return [(t0 + s / RECORD_RATE, t0 + (e + 1) / RECORD_RATE, p) for s, e, p in bursts]


# ---------------------------------------------------------------------------
# The session.

class Session:
    """Xvfb, a PulseAudio server with a null sink, and tapwell, for one test.

        with Session(binary, data, settings="1,0,0,0,0,1\\r\\n") as s:
            s.click_about_ok()
            ...

    On leaving, tapwell, the sound server and the display are stopped (in that
    order), the program's stderr is checked for sanitizer reports, and on a failure
    a screenshot and the logs are kept in artifacts (when given).
    """

    def __init__(self, binary=None, data_dir=None, settings=None, artifacts=None, name="e2e",
                 quiet=False, accessibility=False, lang=None, speech=False, account=None,
                 config_dirs=None):
        self.binary = binary or os.environ.get("TAPWELL_BINARY")
        self.data_dir = data_dir or os.environ.get("TAPWELL_DATA")
        if not self.binary or not self.data_dir:
            raise E2EError("TAPWELL_BINARY and TAPWELL_DATA must name the program and its data")
        self.settings = settings
        self.artifacts = artifacts if artifacts is not None else os.environ.get("TAPWELL_E2E_ARTIFACTS")
        self.name = name
        # quiet: a normal run, without the diagnostics the waits below otherwise read.
        self.quiet = quiet
        # accessibility: a private D-Bus session bus, on which the desktop's accessibility
        # bus (at-spi2-core) starts when first asked for, and tapwell on it as a screen
        # reader finds it; read it with atspi_tree().
        self.accessibility = accessibility
        # lang: the locale tapwell starts in ("de_DE.UTF-8"); C.UTF-8 without one.
        self.lang = lang
        # speech: a speech-dispatcher of the session's own, playing into the null sink;
        # tapwell's voice finds it at its socket in the runtime folder.
        self.speech = speech
        # account: tapwell runs as this account (runuser; the tests run as root), in
        # folders of its own; config_dirs: the system-wide configuration's folders
        # (XDG_CONFIG_DIRS), where a classroom names its server.
        self.account = account
        self.config_dirs = config_dirs
        self.dbus = self.speechd = None
        self.xvfb = self.pulse = self.app = None
        self.grabber = self.keys = None
        self.window = None  # Rect of the main window's client area on screen
        self._streams = []

    # -- start and stop --------------------------------------------------

    def __enter__(self):
        self.dir = tempfile.mkdtemp(prefix="tapwell-e2e-")
        try:
            self._start()
        except BaseException:
            self._stop(failed=True)
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        self._stop(failed=exc_type is not None)
        return False

    def _make_dirs(self):
        """The session's own folders: the program's, its configuration, home, runtime,
        sound server and data folders, each the user's alone."""
        d = self.dir
        self.app_dir = os.path.join(d, "app")
        self.config_dir = os.path.join(d, "config")
        self.home = os.path.join(d, "home")
        self.runtime = os.path.join(d, "runtime")
        self.pulse_dir = os.path.join(d, "pulse")
        self.data_home = os.path.join(d, "data")
        for sub in (self.app_dir, self.config_dir, self.home, self.runtime, self.pulse_dir,
                    self.data_home):
            os.makedirs(sub, mode=0o700)

    def _start(self):
        self._make_dirs()
        d = self.dir

        # The program reads its data beside itself.
        shutil.copy2(self.binary, os.path.join(self.app_dir, "tapwell"))
        for variable in PART_VARIABLES:
            part = os.environ.get(variable)
            if part:
                shutil.copy2(part, os.path.join(self.app_dir, os.path.basename(part)))
        for f in DATA_FILES:
            if os.path.exists(os.path.join(self.data_dir, f)):
                shutil.copy2(os.path.join(self.data_dir, f), os.path.join(self.app_dir, f))
        shutil.copytree(os.path.join(self.data_dir, "words"), os.path.join(self.app_dir, "words"),
                        ignore=shutil.ignore_patterns("never.txt", "skip.txt"))
        if self.settings is not None:
            os.makedirs(os.path.join(self.config_dir, "tapwell"))
            with open(self.settings_path(), "wb") as f:
                f.write(self.settings.encode() if isinstance(self.settings, str) else self.settings)

        if self.account:
            self._give_to_account()
        self.display, self.xvfb = _start_xvfb(d)
        self._start_pulse()
        if self.speech:
            self._start_speechd()
        self.grabber = FastGrabber(self.display)
        self.keys = FastKeys(self.display)

        self.env = self.base_env()
        if self.accessibility:
            self._start_dbus()
        self.env.update({
            "QT_QPA_PLATFORM": "xcb",
            "XDG_CONFIG_HOME": self.config_dir,
            # The progress record, too, is the session's own.
            "XDG_DATA_HOME": self.data_home,
            # Leaks are the soak test's business; every other finding fails.
            "ASAN_OPTIONS": "detect_leaks=0:abort_on_error=1",
            "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
        })
        if self.speech:
            # The speech library reads the service's list of voices (thousands of lines
            # with espeak-ng) with strstr over the whole reply, which the sanitizer's
            # checking wrapper makes quadratic: minutes instead of a second.
            self.env["ASAN_OPTIONS"] += ":intercept_strstr=0"
        if self.lang:
            self.env["LANG"] = self.lang
        if self.config_dirs:
            self.env["XDG_CONFIG_DIRS"] = self.config_dirs
        command = [os.path.join(self.app_dir, "tapwell")]
        if self.account:
            # The program's own library beside it: the build folder may be closed to others.
            self.env["LD_LIBRARY_PATH"] = self.app_dir
            command = [_tool("runuser"), "-u", self.account, "--"] + command
        if not self.quiet:
            self.env["QT_LOGGING_RULES"] = "tapwell.*.debug=true"
        self.stderr_path = os.path.join(d, "tapwell.stderr")
        with open(self.stderr_path, "wb") as err:
            self.app = start_process("tapwell", command,
                                     env=self.env, cwd=d, stdout=err, stderr=err,
                                     stdin=subprocess.DEVNULL)
        if not self.quiet:
            self.wait_log("data directory " + self.app_dir + "/", 20)
        # In another language the start window has its title in that language.
        self.about = self.wait_window("^About Tapwell$" if not self.lang else ".", (469, 239))
        # Drawn, as a child sees it: the light face of its OK button, not the black
        # of a window not yet painted.
        ok = self.about_ok()
        wait_until(lambda: min(self.colour_at((ok.x + 6, ok.y + 6))) > 200, 20,
                   "the About window drawn")

    def _give_to_account(self):
        """The session's folders to the account tapwell runs as (the sound server's
        stays root's: that account's tapwell plays no sound)."""
        private = os.path.join(os.path.dirname(os.path.abspath(self.binary)),
                               "libtapwell-private.so")
        if os.path.exists(private):
            shutil.copy2(private, self.app_dir)
        os.chmod(self.dir, 0o755)
        for top in (self.app_dir, self.config_dir, self.home, self.runtime, self.data_home):
            for root, dirs, files in os.walk(top):
                for name in [root] + [os.path.join(root, f) for f in dirs + files]:
                    shutil.chown(name, self.account)

    def base_env(self):
        """What every process of the session sees: our display, our sound server."""
        return {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "LANG": "C.UTF-8",
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "DISPLAY": self.display,
            "PULSE_SERVER": "unix:" + os.path.join(self.pulse_dir, "native"),
            "PULSE_RUNTIME_PATH": self.pulse_dir,
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent",
        }

    def _start_pulse(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "PULSE_RUNTIME_PATH": self.pulse_dir,
            "PULSE_STATE_PATH": self.pulse_dir,
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent",
        }
        log = open(os.path.join(self.dir, "pulse.log"), "wb")
        # No default script (-n): the null sink and the local socket are all there is.
        # As root, pulseaudio warns that it is meant for --system, and runs.
        self.pulse = start_process("pulseaudio", [
            _tool("pulseaudio"), "-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1",
            "--disable-shm", "--use-pid-file=no", "--disallow-exit", "--log-target=stderr",
            "-L", "module-null-sink sink_name=%s rate=48000 channels=2" % NULL_SINK,
            "-L", "module-native-protocol-unix auth-anonymous=1 socket=%s"
            % os.path.join(self.pulse_dir, "native")], env=env, stdout=log, stderr=log,
            stdin=subprocess.DEVNULL)
        log.close()
        pactl_env = dict(env, PULSE_SERVER="unix:" + os.path.join(self.pulse_dir, "native"))

        def ready():
            if self.pulse.poll() is not None:
                raise E2EError("pulseaudio ended at start: %s" % self.read("pulse.log"))
            r = subprocess.run([_tool("pactl"), "info"], env=pactl_env, capture_output=True,
                               text=True, timeout=5)
            return r.returncode == 0 and ("Default Sink: " + NULL_SINK) in r.stdout

        wait_until(ready, 10, "the sound server")

    def _start_speechd(self):
        """speech-dispatcher in the foreground, with espeak-ng, its socket where the
        speech library looks for it ($XDG_RUNTIME_DIR/speech-dispatcher), its logs in
        the session's folder."""
        self.speechd_log = os.path.join(self.dir, "speechd")
        os.makedirs(self.speechd_log)
        socket = os.path.join(self.runtime, "speech-dispatcher", "speechd.sock")
        log = open(os.path.join(self.dir, "speechd.log"), "wb")
        self.speechd = start_process("speech-dispatcher", [
            _tool("speech-dispatcher"), "--run-single", "--timeout", "0", "--log-level", "4",
            "--log-dir", self.speechd_log], env=self.base_env(), stdout=log, stderr=log,
            stdin=subprocess.DEVNULL)
        log.close()

        def ready():
            if self.speechd.poll() is not None:
                raise E2EError("speech-dispatcher ended at start: %s" % self.read("speechd.log")[-3000:])
            return os.path.exists(socket)

        wait_until(ready, 20, "the speech server")

    def _start_dbus(self):
        """A session bus of the session's own; tapwell and the reader use it, and Qt
        speaks to the accessibility bus whether or not a screen reader runs."""
        socket = os.path.join(self.runtime, "bus")
        self.bus_address = "unix:path=" + socket
        env = dict(self.base_env(), DBUS_SESSION_BUS_ADDRESS=self.bus_address)
        log = open(os.path.join(self.dir, "dbus.log"), "wb")
        self.dbus = start_process("dbus-daemon", [
            _tool("dbus-daemon"), "--session", "--nofork", "--nopidfile",
            "--address=" + self.bus_address], env=env, stdout=log, stderr=log,
            stdin=subprocess.DEVNULL)
        log.close()
        wait_until(lambda: os.path.exists(socket), 10, "the session bus")
        self.env.update({"DBUS_SESSION_BUS_ADDRESS": self.bus_address,
                         "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})

    def atspi_tree(self):
        """tapwell's accessibility tree as a screen reader reads it over AT-SPI: nested
        dicts of role, name, description, states, text (where it has text) and
        children; None while tapwell is not on the bus."""
        env = dict(self.base_env(), DBUS_SESSION_BUS_ADDRESS=self.bus_address)
        r = subprocess.run([atspi_python(), os.path.join(HERE, "atspi_tree.py"), "tapwell"],
                           env=env, capture_output=True, text=True, timeout=60)
        if r.returncode != 0:
            raise E2EError("reading the accessibility tree failed: %s" % r.stderr[-3000:])
        return json.loads(r.stdout)

    def _stop(self, failed):
        report = None
        try:
            if failed and self.artifacts and self.grabber:
                self._keep_artifacts()
        finally:
            for r in self._streams:
                r.stop()
            if self.grabber:
                self.grabber.close()
                self.grabber = None
            if self.keys:
                self.keys.close()
                self.keys = None
            stop_process(self.app)
            stop_process(self.dbus)
            stop_process(self.speechd)
            stop_process(self.pulse)
            stop_process(self.xvfb)
            report = self.sanitizer_report()
            if failed and self.artifacts:
                self._keep_logs()
            shutil.rmtree(self.dir, ignore_errors=True)
        if report and not failed:
            raise E2EError("sanitizer report in tapwell's stderr:\n" + report)
        if report:
            sys.stderr.write("sanitizer report in tapwell's stderr:\n%s\n" % report)

    def sanitizer_report(self):
        text = self.read("tapwell.stderr")
        if not SANITIZER_REPORT.search(text):
            return None
        return text[-6000:]

    def _keep_artifacts(self):
        os.makedirs(self.artifacts, exist_ok=True)
        with contextlib.suppress(Exception):
            self.screenshot().save_png(os.path.join(self.artifacts, self.name + ".png"))

    def _keep_logs(self):
        os.makedirs(self.artifacts, exist_ok=True)
        for f in ("tapwell.stderr", "pulse.log", "xvfb.log", "dbus.log", "speechd.log",
                  "speechd/speech-dispatcher.log"):
            with contextlib.suppress(OSError):
                shutil.copy(os.path.join(self.dir, f),
                            os.path.join(self.artifacts, "%s.%s" % (self.name, f.replace("/", "."))))

    # -- files and logs ----------------------------------------------------

    def read(self, name):
        with contextlib.suppress(OSError):
            with open(os.path.join(self.dir, name), "rb") as f:
                return f.read().decode(errors="replace")
        return ""

    def settings_path(self):
        return os.path.join(self.config_dir, "tapwell", "tapwell1.ini")

    def progress_path(self):
        return os.path.join(self.data_home, "tapwell", "progress.sqlite")

    def wait_log(self, text, timeout):
        def seen():
            if self.app.poll() is not None:
                raise E2EError("tapwell ended (code %s) before logging %r:\n%s"
                               % (self.app.returncode, text, self.read("tapwell.stderr")[-3000:]))
            return text in self.read("tapwell.stderr")
        wait_until(seen, timeout, "tapwell to log %r" % text, interval=0.05)

    def wait_exit(self, timeout):
        try:
            code = self.app.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EError("tapwell did not end within %.0f s" % timeout) from None
        _live.pop(self.app.pid, None)
        return code

    # -- windows -----------------------------------------------------------

    def xdotool(self, *args, check=True):
        r = subprocess.run([_tool("xdotool")] + [str(a) for a in args], env=self.base_env(),
                           capture_output=True, text=True, timeout=60)
        if check and r.returncode != 0:
            raise E2EError("xdotool %s failed: %s" % (" ".join(map(str, args)), r.stderr))
        return r.stdout

    def find_window(self, title, size=None):
        """The visible window with this title (a regular expression) and client size (any
        size when None), as a Rect with its id; None while there is none."""
        out = self.xdotool("search", "--onlyvisible", "--name", title, check=False)
        for wid in out.split():
            geo = dict(line.split("=", 1) for line in
                       self.xdotool("getwindowgeometry", "--shell", wid, check=False).split())
            if geo and size in (None, (int(geo["WIDTH"]), int(geo["HEIGHT"]))):
                return Rect(int(geo["X"]), int(geo["Y"]), int(geo["WIDTH"]), int(geo["HEIGHT"]),
                            int(wid))
        return None

    def wait_window(self, title, size=None, timeout=20):
        """Waits for a window (see find_window) to be mapped and to have the keyboard
        focus; returns it."""
        window = wait_until(lambda: self.find_window(title, size), timeout,
                            "window %s%s" % (title, " of %dx%d" % size if size else ""),
                            interval=0.05)
        self.wait_focused(window, timeout)
        return window

    def wait_focused(self, window, timeout=20):
        """Waits until the X input focus is on this window (a Rect with its id). There is
        no window manager: the program gives its window the focus itself once the window
        is mapped, and a key sent before that goes elsewhere or nowhere."""
        wait_until(lambda: self.grabber.focus() == window.wid, timeout,
                   lambda: "the keyboard focus on window 0x%x (it is on 0x%x)"
                   % (window.wid, self.grabber.focus()))

    def on_screen(self, rect):
        """A rectangle of the main window's client area in screen pixels."""
        return rect.offset(self.window.x, self.window.y)

    def about_ok(self):
        """The About window's "&OK" button on screen."""
        return control((4440, 2520, 975, 495)).offset(self.about.x, self.about.y)

    def click_about_ok(self):
        """Presses the About window's "&OK" and waits for the main window's menu, with
        the keyboard focus."""
        self.click_screen(*self.about_ok().center())
        if not self.quiet:
            self.wait_log("main window loaded", 20)
        self.window = self.wait_window("^Tapwell$", Layout.WINDOW)
        # The menu frame painted: red behind its buttons.
        menu = self.on_screen(control(Layout.fraMenu)).inset(4)
        self.wait_colour((menu.x, menu.y + menu.h - 1), (255, 0, 0), 10, "the menu on screen")
        self.park_pointer()

    # -- input ----------------------------------------------------------------

    def click_screen(self, x, y):
        self.xdotool("mousemove", "--sync", x, y, "click", 1)

    def click(self, rect):
        """Clicks the middle of a control (a Rect in the main window)."""
        self.click_screen(*self.on_screen(rect).center())
        self.park_pointer()

    def click_box(self, rect):
        """Clicks a check box on its indicator."""
        r = self.on_screen(rect)
        self.click_screen(r.x + 8, r.y + r.h // 2)
        self.park_pointer()

    def park_pointer(self):
        # Off the controls, on the main window's plain background right of the display:
        # should the focus fall back to the root window (a window of the program closed;
        # there is no window manager), the keyboard goes to the window under the pointer.
        self.xdotool("mousemove", "--sync", self.window.x + 620, self.window.y + 300)

    def type(self, text, delay_ms):
        """Types text through the X server, delay_ms per key ("\\n" is Enter)."""
        # xdotool types "\n" as a line feed, not the Return key a child presses.
        for i, piece in enumerate(text.split("\n")):
            if i > 0:
                self.xdotool("key", "Return")
                time.sleep(delay_ms / 1000)
            if piece:
                self.xdotool("type", "--delay", delay_ms, "--", piece)
                time.sleep(delay_ms / 1000)

    def key(self, *keysyms):
        """Presses keys by X key name ("Return", "a", "alt+p"), one after the other;
        returns (time before, time after)."""
        before = now()
        for k in keysyms:
            self.keys.press(k)
        return before, now()

    # -- screen -----------------------------------------------------------------

    def screenshot(self):
        """The whole screen through ImageMagick's import."""
        r = subprocess.run([_tool("import"), "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                           env=self.base_env(), capture_output=True, timeout=30)
        if r.returncode != 0:
            raise E2EError("import failed: %s" % r.stderr.decode(errors="replace"))
        return parse_ppm(r.stdout)

    def grab(self, rect):
        """A rectangle of the main window, fast (see FastGrabber); screen coordinates."""
        return self.grabber.grab(self.on_screen(rect))

    def colour_at(self, point):
        return self.grabber.grab(Rect(point[0], point[1], 1, 1)).pixel(*point)

    def wait_colour(self, point, colour, timeout, what, tolerance=6):
        return wait_until(lambda: close_to(self.colour_at(point), colour, tolerance), timeout, what)

    # -- sound -----------------------------------------------------------------

    def record(self):
        r = Recorder(self.base_env())
        self._streams.append(r)
        r.wait_running()
        return r

    def play_stream(self):
        """A playback stream to the null sink, open, fed with silence and playing (see
        ToneStream)."""
        s = ToneStream(self.base_env())
        self._streams.append(s)
        s.wait_playing()
        return s


class ToneStream:
    """A reference client: a pacat stream kept open and fed with silence in 5 ms blocks
    on the tests' clock, into which a tone can be put at a known moment. The time from
    writing the tone to hearing it in the recording is what the measuring itself costs
    with a client that has nothing to start."""

    BLOCK = RECORD_RATE // 200

    def __init__(self, env, latency_ms=10):
        self._p = start_process("pacat", [
            _tool("pacat"), "--playback", "-d", NULL_SINK, "--raw", "--format=s16le",
            "--rate=%d" % RECORD_RATE, "--channels=1", "--latency-msec=%d" % latency_ms],
            env=env, stdin=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._tone_at = None
        self._written_at = None
        self._written = 0  # bytes
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._feed, daemon=True)
        self._thread.start()

    def _feed(self):
        silence = b"\0\0" * self.BLOCK
        tone = b"".join(struct.pack("<h", 12000 if (i // 12) % 2 else -12000)
                        for i in range(self.BLOCK * 4))  # 20 ms of a 2 kHz square
        fd = self._p.stdin.fileno()
        waiting = array.array("i", [0])
        while not self._stop.is_set():
            # Keep the pipe to pacat all but empty, so that a tone written now is not
            # queued behind silence written earlier.
            fcntl.ioctl(fd, termios.FIONREAD, waiting)
            if waiting[0] > 2 * len(silence):
                time.sleep(0.001)
                continue
            block = silence
            if self._tone_at is not None and now() >= self._tone_at:
                block, self._tone_at = tone, None
                self._written_at = now()
            try:
                self._written += os.write(fd, block)
            except (BrokenPipeError, OSError):
                return
            time.sleep(0.002)

    def wait_playing(self, timeout=10.0):
        """Waits until the server takes the stream's silence as it plays it: the pipe
        is kept all but empty, so more than pacat's start-up buffer has been played."""
        wait_until(lambda: self._written >= RECORD_RATE * 2 // 5, timeout,
                   "the reference stream to play")

    def tone(self, at):
        """Puts a tone into the stream at time `at`; returns when it was written."""
        self._written_at = None
        self._tone_at = at
        return wait_until(lambda: self._written_at, 5, "the reference tone to be written")

    def stop(self):
        self._stop.set()
        self._thread.join(2.0)
        with contextlib.suppress(Exception):
            self._p.stdin.close()
        stop_process(self._p)


# ---------------------------------------------------------------------------
# Reading the keyboard guide off the screen.

SHIFTED = dict(zip("1234567890-=[];',./", "!@#$%^&*()_+{}:\"<>?"))


def marked_keys(image, window, scale=1.0):
    """The on-screen keys whose whole face is yellow (all four corners of it)."""
    marked = set()
    for index, (_, rect) in Layout.keys(scale).items():
        r = rect.offset(window.x, window.y)
        if all(close_to(image.pixel(*p), YELLOW) for p in r.corners(5)):
            marked.add(index)
    return marked


def space_bar_colour(image, window, scale=1.0):
    r = control(Layout.picKeys, Layout.pnlSpace, scale=scale).offset(window.x, window.y)
    return image.pixel(r.x + 8, r.y + r.h // 2)


def guided_character(image, window, scale=1.0):
    """The character the guide asks for: the marked key, with Shift when a Shift key is
    marked beside it; the space bar when it is yellow; None when nothing is marked."""
    if close_to(space_bar_colour(image, window, scale), YELLOW):
        return " "
    marked = marked_keys(image, window, scale)
    shifted = bool(marked & {Layout.LEFT_SHIFT, Layout.RIGHT_SHIFT})
    chars = marked - {Layout.LEFT_SHIFT, Layout.RIGHT_SHIFT}
    if chars == {Layout.ENTER}:
        return "\n"
    if len(chars) != 1:
        return None
    ch = Layout.keys()[chars.pop()][0]
    if shifted:
        ch = ch.upper() if ch.isalpha() else SHIFTED[ch]
    return ch


def keysym(ch):
    """The X key name xdotool presses for a character."""
    names = {" ": "space", "\n": "Return", ";": "semicolon", "'": "apostrophe", ",": "comma",
             ".": "period", "/": "slash", "-": "minus", "=": "equal", "[": "bracketleft",
             "]": "bracketright"}
    return names.get(ch, ch)


def cursor_box_left(image, display):
    """The left edge of the red cursor box in the display (screen x), or None."""
    xs = [x for y in range(display.y, display.y + display.h, 2)
          for x in range(display.x, display.x + display.w)
          if image.pixel(x, y) == (255, 0, 0)]
    return min(xs) if xs else None


def ok_shown(session, scale=1.0):
    """Whether the OK button stands at its place (its face, not the window behind it)."""
    r = session.on_screen(control(Layout.cmdOK, scale=scale))
    return not close_to(session.colour_at((r.x + 6, r.y + 6)), DARK_RED)


def type_line_by_guide(session, pace=0.0, limit=60, scale=1.0, keys=None):
    """Types a drill line as the child sees it: each time the key the guide marks, until
    the line's Enter. Waits for the cursor box to move on before reading the next key.
    With keys, stops after that many, or short of the Enter.
    Returns [(character, time before the key, time after)]."""
    keys_rect = control(Layout.picKeys, scale=scale)
    display = session.on_screen(control(Layout.picDisplay, scale=scale))
    typed = []
    while len(typed) < limit:
        started = now()

        def stable_guide():
            first = guided_character(session.grab(keys_rect), session.window, scale)
            time.sleep(0.025)
            second = guided_character(session.grab(keys_rect), session.window, scale)
            return first if first is not None and first == second else None

        ch = wait_until(stable_guide, 5, "the guide to mark a key")
        if keys is not None and (ch == "\n" or len(typed) == keys):
            return typed
        box = cursor_box_left(session.grabber.grab(display), display)
        before, after = session.key(keysym(ch))
        typed.append((ch, before, after))
        if ch == "\n":
            return typed
        wait_until(lambda: (cursor_box_left(session.grabber.grab(display), display) or 0) > box,
                   5, "the cursor box to move on after %r" % ch)
        time.sleep(max(0.04, pace - (now() - started)))
    raise E2EError("the line did not end after %d keys" % limit)


def audible_ms(path, threshold=500):
    """How long a wave file is louder than threshold, first to last loud sample (ms):
    what a recording of it played whole shows as one burst."""
    with wave.open(path) as w:
        if w.getsampwidth() != 2:
            raise E2EError("%s is not 16-bit" % path)
        channels, rate = w.getnchannels(), w.getframerate()
        frames = w.readframes(w.getnframes())
    samples = struct.unpack("<%dh" % (len(frames) // 2), frames)
    loud = [i for i, v in enumerate(samples) if abs(v) > threshold]
    if not loud:
        return 0.0
    return (loud[-1] - loud[0] + 1) / channels / rate * 1000.0
