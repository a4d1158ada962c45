"""The desktop's screen reader, Orca (Debian 12's orca 43), listening to tapwell in an
end-to-end session, and what it said, as text.

    with OrcaSession(settings="1,0,0,0,0,1\\r\\n", name=self.id()) as s:
        s.orca.wait_said(r"^About Tapwell\\.$", 10)
        mark = s.orca.mark()
        s.key("Return")
        s.orca.wait_said(r"Learn Keyboard push button", 10, since=mark)
        print(s.orca.said_since(mark))

How it runs, and why so:
- Orca needs an X display (it opens Gdk on it) and a session bus; it finds the
  accessibility bus (at-spi2-core) through that bus and turns accessibility on there
  itself (org.a11y.Status IsEnabled), which is all Qt needs to put tapwell on it
  (QT_LINUX_ACCESSIBILITY_ALWAYS_ON, which the Session sets, is not needed then). The
  Session's private bus and Xvfb serve; there is no window manager, so a window that
  closes gives no window:activate to the one under it, and Orca may say nothing then. Orca can start before tapwell (OrcaSession:
  tapwell's About window then comes as it comes on a child's desktop, through
  window:activate and focus events) or beside a running tapwell (OrcaListener on a
  Session made with accessibility=True: at its start Orca reads the active window and
  its focused control).
- No speech server: Orca writes every utterance to its debug log as
  "HH:MM:SS.ffffff - SPEECH OUTPUT: 'text'{voice}" before it hands the text to the
  speech server, and with none it goes on just the same (speech.py, _speak). The
  Python speech-dispatcher client is kept from loading in Orca's process, so that
  it does not try to start a speech-dispatcher of its own (it would, and fail, as
  root with no sound card). An utterance with line breaks goes on over the next lines
  of the log, each indented by 18 spaces.
- Interruptions: Orca 43 ignores the interrupt flag of speak(); it cuts what is being
  said only through its presentationInterrupt(), which logs "DEFAULT: Interrupting
  presentation". An utterance after that line is marked interrupting.
- Orca is started by this module's own launcher (this file run as a script, with the
  Python that has Orca's modules) rather than /usr/bin/orca: that one refuses to start
  while any other process of the same user is named "orca" (every test runs as root,
  and ctest runs tests side by side), --replace would kill the other tests' Orcas,
  and its debug file is block-buffered, so what was said would show late. The launcher
  does what /usr/bin/orca does otherwise: the debug level of --debug, the preferences
  folder of --user-prefs (the session's own: no first-run questions, Orca's default
  settings), then orca.main().
- Orca's keyboard echo is on by default: keys typed are spoken too ("tab", "a").

Debian packages: orca (it brings python3-pyatspi, gir1.2-gtk-3.0, gir1.2-wnck-3.0,
python3-speechd and the rest), besides what tapwell_e2e needs for accessibility=True.
Standard library only on the tests' side.
"""

import contextlib
import json
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
if HERE not in sys.path:
    sys.path.insert(0, HERE)
from tapwell_e2e import E2EError, Session, now, start_process, stop_process, wait_until  # noqa: E402

# A line of Orca's debug log as debug.println writes it with a time stamp.
_STAMPED = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - (.*)$", re.S)
# What continues a stamped line that held line breaks.
_CONTINUED = " " * 18
# The spoken text, then the voice when it is not the default one, then the voice's
# settings as a dict, or a list of one (keyboard echo puts a space before them; the say-all
# leaves them out).
_SPEECH = re.compile(r"^SPEECH OUTPUT: '(?P<text>.*)'(?: voice=(?P<voice>\w+))? ?"
                     r"(?P<acss>\{.*\}|\[\{.*\}\])?$", re.S)
_INTERRUPT = "DEFAULT: Interrupting presentation"
_READY = "ORCA: Startup complete notification made"
# Launcher exit codes that say what is missing.
_MISSING_ORCA, _NO_DISPLAY = 3, 4


class Utterance:
    """One thing Orca said: its text (stripped), the voice when not the default
    ("uppercase", "hyperlink", "system"), the time stamp of its log line, and whether
    Orca cut short what it was saying for it."""

    def __init__(self, text, voice, stamp, interrupting):
        self.text, self.voice, self.stamp, self.interrupting = text, voice, stamp, interrupting

    def __repr__(self):
        return "%s%r%s" % ("!" if self.interrupting else "", self.text,
                           " (%s)" % self.voice if self.voice else "")


class OrcaLog:
    """Reads Orca's debug log as it grows, into utterances."""

    def __init__(self, path):
        self.path = path
        self.utterances = []
        self._offset = 0
        self._partial = b""      # the last line, while it has no line end yet
        self._record = None      # (stamp, text) of the stamped line being read
        self._interrupt = False  # an interruption came since the last utterance

    def read(self):
        with contextlib.suppress(FileNotFoundError):
            with open(self.path, "rb") as f:
                f.seek(self._offset)
                data = f.read()
            self._offset += len(data)
            data = self._partial + data
            lines = data.split(b"\n")
            self._partial = lines.pop()
            for line in lines:
                self._line(line.decode("utf-8", errors="replace"))
            # An utterance whose voice settings closed it needs no next line to end it.
            if self._closed():
                self._end_record()
        return self.utterances

    def _closed(self):
        return self._record is not None and self._record[1].endswith(("}", "}]")) and \
            _SPEECH.match(self._record[1]) is not None

    def _line(self, line):
        if line.startswith(_CONTINUED) and self._record is not None and not self._closed():
            self._record = (self._record[0], self._record[1] + "\n" + line[len(_CONTINUED):])
            return
        self._end_record()
        m = _STAMPED.match(line)
        if m:
            self._record = (m.group(1), m.group(2))

    def _end_record(self):
        if self._record is None:
            return
        stamp, text = self._record
        self._record = None
        if text.startswith(_INTERRUPT):
            self._interrupt = True
            return
        m = _SPEECH.match(text)
        if m:
            self.utterances.append(Utterance(m.group("text").strip(), m.group("voice"), stamp,
                                             self._interrupt))
            self._interrupt = False


def orca_python():
    """A Python that has Orca's modules (Debian's orca): this one, or the system's."""
    for python in (sys.executable, "/usr/bin/python3"):
        # Isolated (-I): this file, named orca.py too, is not to stand in for Orca's
        # package from the current folder or PYTHONPATH.
        if python and subprocess.run([python, "-I", "-c", "import orca.orca_platform"],
                                     capture_output=True).returncode == 0:
            return python
    raise E2EError("no Python with Orca's modules: the Debian package orca is not installed "
                   "(tools/deps.sh test installs it)")


class OrcaListener:
    """Orca in a Session (made with accessibility=True), from start() to stop().

    said() gives what it said so far; mark() and said_since(mark) what it said after a
    point; wait_said() waits for an utterance; wait_quiet() for Orca to be done.
    settings: Orca settings to start with, as its -e/-d options give them
    ({"enableKeyEcho": False}).
    """

    def __init__(self, session, settings=None):
        if not getattr(session, "bus_address", None):
            raise E2EError("Orca needs the session's bus: make the Session with accessibility=True")
        self.session = session
        self.settings = dict(settings or {})
        self.dir = os.path.join(session.dir, "orca")
        self.log_path = os.path.join(self.dir, "debug.out")
        self.process = None
        self.log = OrcaLog(self.log_path)
        self.start_seconds = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, exc_type, exc, tb):
        self.stop()
        return False

    def start(self, timeout=30):
        """Starts Orca and waits until it listens to the desktop's events (it has said
        "Screen reader on."); raises E2EError saying what is missing when it does not."""
        python = orca_python()
        prefs = os.path.join(self.dir, "prefs")
        os.makedirs(prefs, mode=0o700, exist_ok=True)
        env = dict(self.session.base_env(),
                   DBUS_SESSION_BUS_ADDRESS=self.session.bus_address,
                   XDG_DATA_HOME=os.path.join(self.dir, "data"),
                   XDG_CONFIG_HOME=os.path.join(self.dir, "config"),
                   XDG_CACHE_HOME=os.path.join(self.dir, "cache"),
                   # Orca reads the desktop's accessibility keys: none to read here.
                   GSETTINGS_BACKEND="memory",
                   PYTHONDONTWRITEBYTECODE="1")
        started = now()
        with open(os.path.join(self.dir, "orca.stderr"), "wb") as err:
            self.process = start_process(
                "orca", [python, "-I", os.path.abspath(__file__), "--launch", prefs, self.log_path,
                         json.dumps(self.settings)],
                env=env, cwd=self.dir, stdout=err, stderr=err, stdin=subprocess.DEVNULL)

        def ready():
            code = self.process.poll()
            if code is not None:
                raise E2EError(self._why_ended(code))
            self.log.read()
            return _READY in self._log_text()

        try:
            wait_until(ready, timeout, "Orca to start (see %s)" % self.log_path, interval=0.05)
            wait_until(lambda: any(u.text == "Screen reader on." for u in self.log.read()),
                       timeout, "Orca to say it is on", interval=0.05)
        except E2EError:
            self.stop()
            raise
        self.start_seconds = now() - started

    def _why_ended(self, code):
        err = self._read(os.path.join(self.dir, "orca.stderr"))
        if code == _MISSING_ORCA:
            what = "Orca's modules would not load (Debian package orca and its dependencies)"
        elif code == _NO_DISPLAY:
            what = "Orca found no X display"
        else:
            what = "Orca ended at start (code %s)" % code
        return "%s:\n%s\n%s" % (what, err[-3000:], self._log_text()[-3000:])

    def _log_text(self):
        return self._read(self.log_path)

    @staticmethod
    def _read(path):
        with contextlib.suppress(OSError):
            with open(path, "rb") as f:
                return f.read().decode("utf-8", errors="replace")
        return ""

    def stop(self):
        """Stops Orca as a desktop does (SIGTERM: it says "Screen reader off." and
        leaves the bus); returns its exit code."""
        if self.process is None:
            return None
        code = stop_process(self.process, grace=8.0)
        self.log.read()
        self.process = None
        return code

    def keep_log(self, artifacts, name):
        """Copies Orca's debug log into the artifacts folder."""
        os.makedirs(artifacts, exist_ok=True)
        with contextlib.suppress(OSError):
            shutil.copy(self.log_path, os.path.join(artifacts, name + ".orca-debug.out"))

    # -- what was said ------------------------------------------------------

    def utterances(self, since=0):
        """What Orca said from the mark `since` on, as Utterances."""
        return self.log.read()[since:]

    def said(self):
        """Everything Orca said, one string an utterance."""
        return [u.text for u in self.utterances()]

    def mark(self):
        """A point in what was said, for said_since() and wait_said()."""
        return len(self.log.read())

    def said_since(self, mark):
        return [u.text for u in self.utterances(mark)]

    def wait_said(self, pattern, timeout=10, since=0):
        """Waits for an utterance after the mark `since` that matches pattern (a regular
        expression, searched); returns it (an Utterance)."""
        regex = re.compile(pattern)

        def found():
            if self.process is not None and self.process.poll() is not None:
                raise E2EError("Orca ended (code %s)" % self.process.returncode)
            for u in self.utterances(since):
                if regex.search(u.text):
                    return u
            return None
        return wait_until(found, timeout, lambda: "Orca to say /%s/; it said since: %r"
                          % (pattern, self.utterances(since)), interval=0.05)

    def wait_quiet(self, quiet=1.0, timeout=15):
        """Waits until Orca has said nothing new for `quiet` seconds; returns the mark."""
        last = [self.mark(), now()]

        def settled():
            n = self.mark()
            if n != last[0]:
                last[:] = [n, now()]
            return now() - last[1] >= quiet
        wait_until(settled, timeout, "Orca to fall quiet", interval=0.05)
        return self.mark()


class OrcaSession(Session):
    """A Session with Orca running before tapwell starts, as on a blind child's
    desktop; s.orca is its OrcaListener. On a failure Orca's debug log goes into the
    artifacts beside the others."""

    def __init__(self, *args, orca_settings=None, **kwargs):
        kwargs["accessibility"] = True
        super().__init__(*args, **kwargs)
        self.orca_settings = orca_settings
        self.orca = None

    def _start_dbus(self):
        super()._start_dbus()
        self.orca = OrcaListener(self, self.orca_settings)
        self.orca.start()

    def _stop(self, failed):
        if self.orca is not None:
            self.orca.stop()
            if failed and self.artifacts:
                self.orca.keep_log(self.artifacts, self.name)
        super()._stop(failed)


# ---------------------------------------------------------------------------
# The launcher: runs in Orca's Python, in a process of its own.

def _launch(prefs, debug_path, settings_json):
    # This file's folder is first on the path, and this file is named orca.py too.
    sys.path[:] = [p for p in sys.path if os.path.abspath(p or ".") != HERE]
    # No speech server: see the module's docstring.
    sys.modules["speechd"] = None
    try:
        import gi
        gi.require_version("Gdk", "3.0")
        from gi.repository import Gdk
        from orca import debug
    except Exception as e:  # noqa: BLE001 - any failure here means a missing package
        print("cannot load Orca: %r" % e, file=sys.stderr)
        return _MISSING_ORCA
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(debug_path, "w", buffering=1, encoding="utf-8")
    if Gdk.Display.get_default() is None:
        print("no X display at %s" % os.environ.get("DISPLAY"), file=sys.stderr)
        return _NO_DISPLAY
    try:
        from orca import orca
    except Exception as e:  # noqa: BLE001
        print("cannot load Orca: %r" % e, file=sys.stderr)
        return _MISSING_ORCA
    _wake_on_signals()
    manager = orca.getSettingsManager()
    manager.activate(prefs, json.loads(settings_json))
    sys.path.insert(0, manager.getPrefsDir())
    debug.println(debug.LEVEL_INFO, "INFO: About to launch Orca.", True)
    return orca.main()


def _wake_on_signals():
    """Orca's handler of SIGTERM is a Python one, and Python runs it only once it runs
    again: an Orca that waits in the AT-SPI main loop with nothing to read would not
    stop. A signal wakes the loop through this pipe."""
    import signal
    from gi.repository import GLib
    read_fd, write_fd = os.pipe()
    os.set_blocking(read_fd, False)
    os.set_blocking(write_fd, False)
    signal.set_wakeup_fd(write_fd)

    def woken(fd, _condition):
        with contextlib.suppress(OSError):
            os.read(fd, 64)
        return True  # the handler runs as this returns into Python
    GLib.io_add_watch(read_fd, GLib.PRIORITY_HIGH, GLib.IO_IN, woken)


if __name__ == "__main__" and len(sys.argv) == 5 and sys.argv[1] == "--launch":
    sys.exit(_launch(*sys.argv[2:]))
