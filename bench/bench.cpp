// The benchmark: start-up, memory, keystroke cost and idle work of the real program,
// each beside the floor (a bare Qt window of the same size, built the same way), in one
// table. Runs on the X server in DISPLAY (bench/run.sh starts an Xvfb for it).
//
// Start-up is timed by the X server's own word: this program selects
// SubstructureNotify on the root window, so the server tells it of every window mapped;
// it takes the monotonic clock just before fork/exec and again when the MapNotify of
// the program's window arrives (no polling: it sleeps in poll() on the connection).
// The click on "&OK" is sent with XTEST. Memory is the kernel's peak resident size
// (VmHWM). Idle work is processor time from /proc (utime+stime, in clock ticks), with
// the scheduler's run time and its count of times each thread ran (schedstat) beside
// it. Keystrokes are timed inside the program by tapwell_keystrokes.
//
// Exits 1 when something could not be measured; a goal missed is reported, not fatal.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// ---------------------------------------------------------------- time and failure

std::int64_t nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

void sleepUntil(std::int64_t ns) {
    timespec ts{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

void sleepMs(int ms) {
    sleepUntil(nowNs() + std::int64_t{ms} * 1'000'000);
}

// A measurement that could not be made: the phase stops, the table shows the gap and
// the program ends with status 1.
struct Unmeasured {
    std::string why;
};

std::vector<std::string> failures;

// Where the programs' own messages go.
std::string childLog;

// ---------------------------------------------------------------- /proc

std::string readFile(const std::string& path) {
    std::ifstream f(path);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

long clockTicksPerSecond() {
    static const long hz = sysconf(_SC_CLK_TCK);
    return hz;
}

// utime + stime of the whole process (all its threads), in clock ticks.
long cpuTicks(pid_t pid) {
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos) throw Unmeasured{"cannot read /proc/<pid>/stat"};
    std::istringstream in(stat.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    // Fields from the state (field 3) on: utime is field 14, stime field 15.
    for (int i = 3; i <= 15 && in >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

struct Sched {
    std::int64_t runNs = 0; // time on a processor, all threads
    long slices = 0;        // how many times a thread was put on a processor
    std::int64_t mainRunNs = 0;
};

Sched schedstat(pid_t pid) {
    Sched s;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR* d = opendir(dir.c_str());
    if (!d) throw Unmeasured{"cannot read " + dir};
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        std::istringstream in(readFile(dir + "/" + e->d_name + "/schedstat"));
        std::int64_t run = 0, wait = 0;
        long slices = 0;
        if (in >> run >> wait >> slices) {
            s.runNs += run;
            s.slices += slices;
            if (std::to_string(pid) == e->d_name) s.mainRunNs = run;
        }
    }
    closedir(d);
    return s;
}

long vmHwmKb(pid_t pid) {
    std::istringstream in(readFile("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    throw Unmeasured{"no VmHWM in /proc/<pid>/status"};
}

// The system call the main thread is in ("230" is clock_nanosleep), or "running".
std::string mainThreadSyscall(pid_t pid) {
    std::istringstream in(readFile("/proc/" + std::to_string(pid) + "/syscall"));
    std::string first;
    in >> first;
    return first;
}

// ---------------------------------------------------------------- processes

struct Child {
    pid_t pid = 0;
    std::int64_t started = 0; // just before fork
};

Child spawn(const std::string& path, const std::vector<std::string>& args = {}) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Child c;
    c.started = nowNs();
    c.pid = fork();
    if (c.pid < 0) throw Unmeasured{"fork failed"};
    if (c.pid == 0) {
        if (!childLog.empty()) {
            const int fd = open(childLog.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0600);
            if (fd >= 0) dup2(fd, 2);
        }
        execv(path.c_str(), argv.data());
        std::fprintf(stderr, "bench: cannot run %s: %s\n", path.c_str(), std::strerror(errno));
        _exit(127);
    }
    return c;
}

void ensureAlive(const Child& c, const char* what) {
    int status = 0;
    if (waitpid(c.pid, &status, WNOHANG) == c.pid)
        throw Unmeasured{std::string(what) + " ended by itself (status " + std::to_string(status) +
                         ")"};
}

void stop(Child& c) {
    if (c.pid <= 0) return;
    kill(c.pid, SIGTERM);
    int status = 0;
    const std::int64_t deadline = nowNs() + 3'000'000'000;
    while (waitpid(c.pid, &status, WNOHANG) == 0) {
        if (nowNs() > deadline) {
            kill(c.pid, SIGKILL);
            waitpid(c.pid, &status, 0);
            break;
        }
        sleepMs(10);
    }
    c.pid = 0;
}

// Waits until the process has run no more for 200 ms (its work after a map or a click
// is done), up to a limit. Not part of any timed interval.
bool settle(pid_t pid, int limitMs = 8000) {
    const std::int64_t deadline = nowNs() + std::int64_t{limitMs} * 1'000'000;
    std::int64_t last = schedstat(pid).runNs;
    int quiet = 0;
    while (nowNs() < deadline) {
        sleepMs(50);
        const std::int64_t run = schedstat(pid).runNs;
        quiet = run == last ? quiet + 1 : 0;
        last = run;
        if (quiet >= 4) return true;
    }
    return false;
}

// ---------------------------------------------------------------- the X server

// An X error (a window that went away meanwhile, say) is not fatal here: the request
// that caused it fails, and the phase reports it.
int onXError(Display*, XErrorEvent* e) {
    std::fprintf(stderr, "bench: X error %d on request %d\n", e->error_code, e->request_code);
    return 0;
}

class XServer {
public:
    XServer() {
        XSetErrorHandler(onXError);
        dpy_ = XOpenDisplay(nullptr);
        if (!dpy_) throw Unmeasured{"cannot open the X display (is DISPLAY set?)"};
        int ev = 0, err = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(dpy_, &ev, &err, &major, &minor))
            throw Unmeasured{"the X server has no XTEST extension"};
        root_ = DefaultRootWindow(dpy_);
        XSelectInput(dpy_, root_, SubstructureNotifyMask);
        pidAtom_ = XInternAtom(dpy_, "_NET_WM_PID", False);
        nameAtom_ = XInternAtom(dpy_, "_NET_WM_NAME", False);
        utf8Atom_ = XInternAtom(dpy_, "UTF8_STRING", False);
        XSync(dpy_, False);
    }
    ~XServer() { XCloseDisplay(dpy_); }

    struct Mapped {
        Window window = 0;
        std::int64_t at = 0;
    };

    // Waits for the MapNotify of a window of this process with this title. The time is
    // taken as the event is read, before the window is asked anything.
    Mapped waitMap(pid_t pid, const std::string& title, int timeoutMs) {
        const std::int64_t deadline = nowNs() + std::int64_t{timeoutMs} * 1'000'000;
        for (;;) {
            while (XPending(dpy_) > 0) {
                XEvent e;
                XNextEvent(dpy_, &e);
                if (e.type != MapNotify) continue;
                const std::int64_t at = nowNs();
                const Window w = e.xmap.window;
                if (windowPid(w) == pid && windowTitle(w) == title) return {w, at};
            }
            const std::int64_t left = (deadline - nowNs()) / 1'000'000;
            if (left <= 0)
                throw Unmeasured{"no window \"" + title + "\" was mapped within " +
                                 std::to_string(timeoutMs) + " ms"};
            pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(left));
        }
    }

    // Drops the events that came meanwhile (the maps and unmaps of earlier runs).
    void drain() {
        XSync(dpy_, False);
        while (XPending(dpy_) > 0) {
            XEvent e;
            XNextEvent(dpy_, &e);
        }
    }

    // A left click at a point of a window (window pixels).
    void click(Window w, int x, int y) {
        int rx = 0, ry = 0;
        Window child = 0;
        XTranslateCoordinates(dpy_, w, root_, x, y, &rx, &ry, &child);
        XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), rx, ry, 0);
        XTestFakeButtonEvent(dpy_, 1, True, 0);
        XTestFakeButtonEvent(dpy_, 1, False, 0);
        XFlush(dpy_);
    }

    // A key pressed with a modifier held (Alt+P), to the window given the focus first:
    // without a window manager the keys go where the focus is.
    void keyWith(Window w, KeySym modifier, KeySym sym) {
        const KeyCode mod = XKeysymToKeycode(dpy_, modifier);
        const KeyCode code = XKeysymToKeycode(dpy_, sym);
        if (mod == 0 || code == 0) throw Unmeasured{"no key for a key symbol"};
        XSetInputFocus(dpy_, w, RevertToParent, CurrentTime);
        XSync(dpy_, False);
        XTestFakeKeyEvent(dpy_, mod, True, 0);
        XTestFakeKeyEvent(dpy_, code, True, 0);
        XTestFakeKeyEvent(dpy_, code, False, 0);
        XTestFakeKeyEvent(dpy_, mod, False, 0);
        XFlush(dpy_);
    }

    void key(KeySym sym) {
        const KeyCode code = XKeysymToKeycode(dpy_, sym);
        if (code == 0) throw Unmeasured{"no key for a key symbol"};
        XTestFakeKeyEvent(dpy_, code, True, 0);
        XTestFakeKeyEvent(dpy_, code, False, 0);
        XFlush(dpy_);
    }

    // How many pixels of a rectangle of the window have this colour (0xRRGGBB).
    long countColour(Window w, int x, int y, int width, int height, unsigned long rgb) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(dpy_, w, &a)) throw Unmeasured{"the window is gone"};
        width = std::min(width, a.width - x);
        height = std::min(height, a.height - y);
        if (width <= 0 || height <= 0) return 0;
        XImage* im = XGetImage(dpy_, w, x, y, static_cast<unsigned>(width),
                               static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (!im) throw Unmeasured{"cannot read the window's pixels"};
        long n = 0;
        for (int j = 0; j < height; ++j)
            for (int i = 0; i < width; ++i)
                if ((XGetPixel(im, i, j) & 0xFFFFFF) == rgb) ++n;
        XDestroyImage(im);
        return n;
    }

private:
    long windowPid(Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long n = 0, after = 0;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(dpy_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format, &n,
                               &after, &data) == Success &&
            data && n == 1 && format == 32)
            pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        if (data) XFree(data);
        return pid;
    }

    std::string windowTitle(Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long n = 0, after = 0;
        unsigned char* data = nullptr;
        std::string title;
        if (XGetWindowProperty(dpy_, w, nameAtom_, 0, 256, False, utf8Atom_, &type, &format, &n,
                               &after, &data) == Success &&
            data)
            title.assign(reinterpret_cast<char*>(data), n);
        if (data) XFree(data);
        if (title.empty()) {
            char* name = nullptr;
            if (XFetchName(dpy_, w, &name) && name) title = name;
            if (name) XFree(name);
        }
        return title;
    }

    Display* dpy_ = nullptr;
    Window root_ = 0;
    Atom pidAtom_ = 0, nameAtom_ = 0, utf8Atom_ = 0;
};

// ---------------------------------------------------------------- our windows' layout

// Places in twips from the window's top left, as in the layout of the About window
// (src/shell/frmabout.cpp) and the main window (src/ui/frmtype.cpp): a frame's position
// plus the control's position inside it.
struct Spot {
    int left, top, width, height;
    static int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
    int x() const { return px(left); }
    int y() const { return px(top); }
    int w() const { return px(width); }
    int h() const { return px(height); }
    int cx() const { return x() + w() / 2; }
    int cy() const { return y() + h() / 2; }
};

constexpr Spot kAboutOk{4440, 2520, 975, 495};
constexpr Spot kLearnKeyboard{3000 + 360, 480 + 360, 2655, 375};
constexpr Spot kCharacterDrill{3000 + 360, 480 + 360 + 2 * 480, 2655, 375};
constexpr Spot kDrillStop{120 + 1440, 3720 + 2040, 615, 615};
constexpr Spot kHomeRowLesson{120 + 120, 3735 + 600, 2295, 375};
constexpr Spot kKeyboard{0, 0, 9495, 3495};
constexpr Spot kDisplay{3000, 3600, 6135, 2535};
constexpr unsigned long kBlue = 0x0000FF;  // the on-screen keyboard's background
constexpr unsigned long kRed = 0xFF0000;   // the box under the next character of a line
constexpr unsigned long kWhite = 0xFFFFFF; // the text display

// ---------------------------------------------------------------- statistics

double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// ---------------------------------------------------------------- the measurements

struct Options {
    std::string program, floor, keystrokes, data;
    int runs = 10;
    int idleSeconds = 10;
    int keys = 10000;
    int lines = 500;
    std::string only; // one part alone: startup, idle or keys
};

struct Idle {
    double cpuMs = NAN; // utime + stime
    double runMs = NAN; // scheduler run time
    long slices = -1;   // times a thread ran
    double seconds = 0;
};

Idle measureIdle(pid_t pid, int seconds) {
    const long t0 = cpuTicks(pid);
    const Sched s0 = schedstat(pid);
    const std::int64_t start = nowNs();
    sleepUntil(start + std::int64_t{seconds} * 1'000'000'000);
    const long t1 = cpuTicks(pid);
    const Sched s1 = schedstat(pid);
    Idle r;
    r.seconds = (nowNs() - start) / 1e9;
    r.cpuMs = (t1 - t0) * 1000.0 / clockTicksPerSecond();
    r.runMs = (s1.runNs - s0.runNs) / 1e6;
    r.slices = s1.slices - s0.slices;
    return r;
}

struct StartupResults {
    std::vector<double> floorMap, aboutMap, clickToMain, floorHwm, menuHwm;
    std::vector<double> openProgress; // Alt+P on the menu screen to "My Progress" mapped
};

void clickWhenSettled(XServer& x, pid_t pid, Window w, const Spot& s) {
    settle(pid);
    x.click(w, s.cx(), s.cy());
}

// One run of the program from exec to the menu screen.
void startupRun(const Options& o, XServer& x, StartupResults& r, bool keep) {
    x.drain();
    Child floor = spawn(o.floor);
    try {
        const auto mapped = x.waitMap(floor.pid, "Tapwell floor", 20000);
        settle(floor.pid);
        ensureAlive(floor, "the floor");
        if (keep) {
            r.floorMap.push_back((mapped.at - floor.started) / 1e6);
            r.floorHwm.push_back(vmHwmKb(floor.pid) / 1024.0);
        }
    } catch (...) {
        stop(floor);
        throw;
    }
    stop(floor);

    x.drain();
    Child app = spawn(o.program);
    try {
        const auto about = x.waitMap(app.pid, "About Tapwell", 20000);
        settle(app.pid);
        const std::int64_t click = nowNs();
        x.click(about.window, kAboutOk.cx(), kAboutOk.cy());
        const auto main = x.waitMap(app.pid, "Tapwell", 20000);
        settle(app.pid);
        ensureAlive(app, "tapwell");
        if (keep) {
            r.aboutMap.push_back((about.at - app.started) / 1e6);
            r.clickToMain.push_back((main.at - click) / 1e6);
            r.menuHwm.push_back(vmHwmKb(app.pid) / 1024.0);
        }
        // "My Progress", the first time: its library loaded, the child's record read, the
        // charts and the map filled, the window mapped.
        const std::int64_t press = nowNs();
        x.keyWith(main.window, XK_Alt_L, XK_p);
        const auto progress = x.waitMap(app.pid, "My Progress", 20000);
        settle(app.pid);
        ensureAlive(app, "tapwell");
        if (keep) r.openProgress.push_back((progress.at - press) / 1e6);
    } catch (...) {
        stop(app);
        throw;
    }
    stop(app);
}

struct IdleResults {
    Idle floor, menu, drill;
    int pauses = 0;
    double pauseWindowMs = 0;            // of each pause, the part measured
    double pauseCpuMs = NAN;             // utime+stime over all measured parts
    double pauseRunMs = NAN;             // all threads
    double pauseMainRunMs = NAN;         // the main thread, the one that pauses
    std::vector<std::string> pauseCalls; // the main thread's system call in each pause
};

void idleFloor(const Options& o, XServer& x, IdleResults& r) {
    x.drain();
    Child floor = spawn(o.floor);
    try {
        x.waitMap(floor.pid, "Tapwell floor", 20000);
        settle(floor.pid);
        r.floor = measureIdle(floor.pid, o.idleSeconds);
        ensureAlive(floor, "the floor");
    } catch (...) {
        stop(floor);
        throw;
    }
    stop(floor);
}

void idleProgram(const Options& o, XServer& x, IdleResults& r) {
    x.drain();
    Child app = spawn(o.program);
    try {
        const auto about = x.waitMap(app.pid, "About Tapwell", 20000);
        clickWhenSettled(x, app.pid, about.window, kAboutOk);
        const Window w = x.waitMap(app.pid, "Tapwell", 20000).window;
        settle(app.pid);

        // The menu screen.
        r.menu = measureIdle(app.pid, o.idleSeconds);

        // A Character Drill line on screen, waiting for its first key.
        clickWhenSettled(x, app.pid, w, kCharacterDrill);
        settle(app.pid);
        if (x.countColour(w, kKeyboard.x(), kKeyboard.y(), kKeyboard.w(), kKeyboard.h(), kBlue) <
            5000)
            throw Unmeasured{"the click on Character Drill did not bring up the keyboard"};
        x.key(XK_Return); // OK has the focus
        settle(app.pid);
        if (x.countColour(w, kDisplay.x(), kDisplay.y(), kDisplay.w(), kDisplay.h(), kRed) < 8)
            throw Unmeasured{"OK did not put a drill line on the screen"};
        r.drill = measureIdle(app.pid, o.idleSeconds);

        // The Home Row lesson of Learn Keyboard: its practice asks for each key of the
        // left hand's fingers three times (a, s, d, f), and the program pauses half a
        // second after the third press. The pause is found by the main thread going to
        // sleep (looked for every 2 ms in /proc, by this process: nothing the program
        // does); 350 ms of it are measured, from 10 ms after it began.
        clickWhenSettled(x, app.pid, w, kDrillStop);
        clickWhenSettled(x, app.pid, w, kLearnKeyboard);
        clickWhenSettled(x, app.pid, w, kHomeRowLesson);
        settle(app.pid);
        if (x.countColour(w, kDisplay.x(), kDisplay.y(), kDisplay.w(), kDisplay.h(), kWhite) < 5000)
            throw Unmeasured{"the Home Row lesson did not open"};
        for (int page = 0; page < 2; ++page) { // Next, Next: the practice page
            x.key(XK_Return);
            settle(app.pid);
        }
        const auto sleeping = [](const std::string& call) {
            return call == "230" || call == "35"; // clock_nanosleep, nanosleep
        };
        long ticks = 0;
        std::int64_t run = 0, mainRun = 0;
        const std::int64_t from = 10'000'000, to = 360'000'000;
        for (KeySym k : {XK_a, XK_s, XK_d, XK_f}) {
            x.key(k);
            settle(app.pid);
            x.key(k);
            settle(app.pid);
            const std::int64_t sent = nowNs();
            x.key(k);
            std::int64_t began = 0;
            std::string call;
            while (nowNs() < sent + 100'000'000) {
                call = mainThreadSyscall(app.pid);
                if (sleeping(call)) {
                    began = nowNs();
                    break;
                }
                sleepMs(2);
            }
            // No sleep seen within 100 ms: the pause keeps the processor busy, began late
            // (a busy machine), or did not begin; the main thread's time and state over the
            // next 350 ms tell which.
            const std::int64_t start = began ? began : sent + 100'000'000 - from;
            sleepUntil(start + from);
            const long t0 = cpuTicks(app.pid);
            const Sched s0 = schedstat(app.pid);
            sleepUntil(start + to);
            const long t1 = cpuTicks(app.pid);
            const Sched s1 = schedstat(app.pid);
            const bool busy = s1.mainRunNs - s0.mainRunNs > (to - from) / 2;
            const std::string callAtEnd = mainThreadSyscall(app.pid);
            if (!began && !busy && !sleeping(callAtEnd))
                throw Unmeasured{"the third press of a key did not start the pause (main "
                                 "thread in system call " +
                                 callAtEnd + ")"};
            if (began && !sleeping(callAtEnd)) throw Unmeasured{"the pause ended before 360 ms"};
            r.pauseCalls.push_back(began ? call : busy ? "none: busy" : callAtEnd + ", late");
            ticks += t1 - t0;
            run += s1.runNs - s0.runNs;
            mainRun += s1.mainRunNs - s0.mainRunNs;
            ++r.pauses;
            sleepUntil(start + 700'000'000);
            settle(app.pid);
        }
        r.pauseWindowMs = (to - from) / 1e6;
        r.pauseCpuMs = ticks * 1000.0 / clockTicksPerSecond();
        r.pauseRunMs = run / 1e6;
        r.pauseMainRunMs = mainRun / 1e6;
        ensureAlive(app, "tapwell");
    } catch (...) {
        stop(app);
        throw;
    }
    stop(app);
}

// Runs tapwell_keystrokes and reads its name=value lines.
// With voice, "Talk to me" is on (the lines then are a tenth as many).
std::map<std::string, double> keystrokes(const Options& o, bool floor, bool voice = false,
                                         const std::string& sendTo = {}) {
    std::string cmd =
        "'" + o.keystrokes + "' --keys " + std::to_string(voice ? o.keys / 10 : o.keys);
    if (floor)
        cmd += " --floor";
    else
        cmd += " --lines " + std::to_string(voice ? o.lines / 10 : o.lines) + " --data '" + o.data +
               "'";
    if (voice) cmd += " --voice";
    if (!sendTo.empty()) cmd += " --send '" + sendTo + "' tapwell-child";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) throw Unmeasured{"cannot run " + o.keystrokes};
    std::map<std::string, double> values;
    char line[512];
    while (std::fgets(line, sizeof line, p)) {
        const char* eq = std::strchr(line, '=');
        if (!eq) continue;
        const std::string name(line, static_cast<std::size_t>(eq - line));
        char* end = nullptr;
        const double v = std::strtod(eq + 1, &end);
        if (end != eq + 1) values[name] = v;
    }
    const int status = pclose(p);
    if (status != 0)
        throw Unmeasured{std::string("the keystroke bench") + (floor ? " (floor)" : "") +
                         (voice ? " (talking)" : "") + " failed with status " +
                         std::to_string(status)};
    return values;
}

// ---------------------------------------------------------------- the table

std::string fmt(const char* f, double v) {
    if (std::isnan(v)) return "n/a";
    char b[64];
    std::snprintf(b, sizeof b, f, v);
    return b;
}

std::string ratio(double a, double b) {
    if (std::isnan(a) || std::isnan(b) || b <= 0) return "-";
    return fmt("%.2f", a / b);
}

struct Row {
    std::string what, tapwell, floor, ratio, goal;
};

void printTable(const std::vector<Row>& rows) {
    std::size_t w[5] = {7, 7, 5, 5, 4};
    const auto widen = [&](const Row& r) {
        w[0] = std::max(w[0], r.what.size());
        w[1] = std::max(w[1], r.tapwell.size());
        w[2] = std::max(w[2], r.floor.size());
        w[3] = std::max(w[3], r.ratio.size());
        w[4] = std::max(w[4], r.goal.size());
    };
    const Row head{"Measure", "Tapwell", "Floor", "Ratio", "Goal"};
    widen(head);
    for (const Row& r : rows)
        widen(r);
    const auto cell = [](const std::string& s, std::size_t n) {
        return s + std::string(n > s.size() ? n - s.size() : 0, ' ');
    };
    const auto print = [&](const Row& r) {
        std::printf("| %s | %s | %s | %s | %s |\n", cell(r.what, w[0]).c_str(),
                    cell(r.tapwell, w[1]).c_str(), cell(r.floor, w[2]).c_str(),
                    cell(r.ratio, w[3]).c_str(), cell(r.goal, w[4]).c_str());
    };
    print(head);
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(w[0] + 2, '-').c_str(),
                std::string(w[1] + 2, '-').c_str(), std::string(w[2] + 2, '-').c_str(),
                std::string(w[3] + 2, '-').c_str(), std::string(w[4] + 2, '-').c_str());
    for (const Row& r : rows)
        print(r);
}

std::string machine() {
    std::string model = "unknown processor";
    std::istringstream cpu(readFile("/proc/cpuinfo"));
    std::string line;
    while (std::getline(cpu, line))
        if (line.rfind("model name", 0) == 0) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    long memKb = 0;
    std::istringstream mem(readFile("/proc/meminfo"));
    while (std::getline(mem, line))
        if (line.rfind("MemTotal:", 0) == 0) memKb = std::strtol(line.c_str() + 9, nullptr, 10);
    char b[256];
    std::snprintf(b, sizeof b, "%ld processors, %s, %.1f GiB", sysconf(_SC_NPROCESSORS_ONLN),
                  model.c_str(), memKb / 1048576.0);
    return b;
}

std::string loadAverage() {
    std::istringstream in(readFile("/proc/loadavg"));
    std::string a, b, c;
    in >> a >> b >> c;
    return a + " " + b + " " + c;
}

std::string exeDir() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string p(buf, static_cast<std::size_t>(n));
    return p.substr(0, p.rfind('/'));
}

Options parse(int argc, char* argv[]) {
    Options o;
    const std::string dir = exeDir();
    o.program = dir + "/../src/tapwell";
    o.data = dir + "/../src";
    o.floor = dir + "/tapwell_floor";
    o.keystrokes = dir + "/tapwell_keystrokes";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "bench: %s needs a value\n", a.c_str());
            std::exit(2);
        }
        const std::string v = argv[++i];
        if (a == "--runs")
            o.runs = std::stoi(v);
        else if (a == "--idle")
            o.idleSeconds = std::stoi(v);
        else if (a == "--keys")
            o.keys = std::stoi(v);
        else if (a == "--lines")
            o.lines = std::stoi(v);
        else if (a == "--program")
            o.program = v;
        else if (a == "--only" && (v == "startup" || v == "idle" || v == "keys"))
            o.only = v;
        else {
            std::fprintf(stderr, "usage: tapwell_bench [--runs N] [--idle SECONDS] [--keys N] "
                                 "[--lines N] [--program PATH] [--only startup|idle|keys]\n");
            std::exit(2);
        }
    }
    return o;
}

// A private configuration: every row, Use Shift on, key sounds off.
void prepareEnvironment() {
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/tapwell-bench-XXXXXX";
    const char* dir = mkdtemp(tmpl.data());
    if (!dir) throw Unmeasured{"cannot make a temporary folder"};
    const std::string base = dir;
    mkdir((base + "/config").c_str(), 0700);
    mkdir((base + "/config/tapwell").c_str(), 0700);
    mkdir((base + "/runtime").c_str(), 0700);
    std::ofstream(base + "/config/tapwell/tapwell1.ini") << "1,1,1,1,1,0\r\n";
    childLog = base + "/programs.log";
    setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (base + "/runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent", 1);
}

template <typename F> void phase(const char* name, F f) {
    std::fprintf(stderr, "bench: %s...\n", name);
    try {
        f();
    } catch (const Unmeasured& u) {
        failures.push_back(std::string(name) + ": " + u.why);
        std::fprintf(stderr, "bench: %s: could not measure: %s\n", name, u.why.c_str());
    }
}

// "<text>: met" when value <= limit, "MISSED" when not, "n/a" when not measured.
std::string goal(const std::string& text, double value, double limit) {
    if (std::isnan(value) || std::isnan(limit)) return text + ": n/a";
    return text + (value <= limit ? ": met" : ": MISSED");
}

} // namespace

int main(int argc, char* argv[]) {
    const Options o = parse(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::string loadBefore = loadAverage();
    char date[64];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M %Z", std::localtime(&now));

    StartupResults st;
    IdleResults idle;
    std::map<std::string, double> keys, floorKeys, talkKeys, sendKeys;
    std::optional<XServer> x;
    phase("preparing", [&] {
        prepareEnvironment();
        x.emplace();
    });
    const auto wanted = [&](const char* part) { return o.only.empty() || o.only == part; };
    if (x && wanted("startup"))
        phase("start-up", [&] {
            for (int i = 0; i <= o.runs; ++i) // run 0 warms the caches and is not counted
                startupRun(o, *x, st, i > 0);
        });
    if (x && wanted("idle")) {
        phase("idle work of the floor", [&] { idleFloor(o, *x, idle); });
        phase("idle work and the pause", [&] { idleProgram(o, *x, idle); });
    }
    if (wanted("keys")) {
        phase("keystrokes", [&] { keys = keystrokes(o, false); });
        phase("keystrokes of the floor", [&] { floorKeys = keystrokes(o, true); });
        phase("keystrokes with Talk to me", [&] { talkKeys = keystrokes(o, false, true); });
        // bench/run.sh's classroom server, when it has one.
        if (const char* server = std::getenv("TAPWELL_BENCH_SERVER"))
            phase("keystrokes while lines are sent",
                  [&] { sendKeys = keystrokes(o, false, false, server); });
    }

    const auto value = [](const std::map<std::string, double>& m, const std::string& k) {
        const auto it = m.find(k);
        return it == m.end() ? NAN : it->second;
    };
    const double floorMap = median(st.floorMap);
    const double aboutMap = median(st.aboutMap);
    const double clickMain = median(st.clickToMain);
    std::vector<double> total;
    for (std::size_t i = 0; i < st.aboutMap.size(); ++i)
        total.push_back(st.aboutMap[i] + st.clickToMain[i]);
    const double both = median(total);
    const double openProgress = median(st.openProgress);
    const double floorHwm = median(st.floorHwm);
    const double menuHwm = median(st.menuHwm);
    const double hwmAfter = value(keys, "hwm_after_kb") / 1024;
    const double floorHwmAfter = value(floorKeys, "hwm_after_kb") / 1024;
    const double p99 = value(keys, "key_p99_us") / 1000;

    const auto idleText = [](const Idle& i) {
        if (std::isnan(i.cpuMs)) return std::string("n/a");
        return fmt("%.0f ms", i.cpuMs) + " (run " + fmt("%.2f ms", i.runMs) + ", " +
               std::to_string(i.slices) + " wakeups)";
    };
    // Idle: no clock tick of processor time, and no more wake-ups than the floor's.
    const auto idleGoal = [&](const Idle& i) {
        if (std::isnan(i.cpuMs) || std::isnan(idle.floor.cpuMs)) return std::string("0 ms: n/a");
        return goal("0 ms", i.cpuMs == 0 && i.slices <= idle.floor.slices + 2 ? 0 : 1, 0);
    };
    const std::string runs = std::to_string(st.aboutMap.size());
    const std::string keyCount = fmt("%.0f", value(keys, "keys"));
    std::vector<Row> rows = {
        {"Start-up: exec to About window mapped (median of " + runs + ")", fmt("%.1f ms", aboutMap),
         fmt("%.1f ms", floorMap), ratio(aboutMap, floorMap),
         goal("<= 1.2 x floor", aboutMap, 1.2 * floorMap)},
        {"Start-up: click on OK to main window mapped (median of " + runs + ")",
         fmt("%.1f ms", clickMain), fmt("%.1f ms", floorMap), ratio(clickMain, floorMap), ""},
        {"Start-up: the two together (median of the sums)", fmt("%.1f ms", both),
         fmt("%.1f ms", floorMap), ratio(both, floorMap),
         goal("<= 1.5 x floor", both, 1.5 * floorMap)},
        {"My Progress: Alt+P on the menu screen to its window mapped, first time (median of " +
             runs + ")",
         fmt("%.1f ms", openProgress), "", "", goal("< 300 ms", openProgress, 299.99)},
        {"Peak memory (VmHWM) at the menu screen (median)", fmt("%.1f MiB", menuHwm),
         fmt("%.1f MiB", floorHwm), ratio(menuHwm, floorHwm),
         goal("<= 1.5 x floor", menuHwm, 1.5 * floorHwm)},
        {"Peak memory after " + std::to_string(o.lines) +
             " drill lines (keystroke bench; floor: after its keys)",
         fmt("%.1f MiB", hwmAfter), fmt("%.1f MiB", floorHwmAfter), ratio(hwmAfter, floorHwmAfter),
         goal("<= 1.5 x floor", hwmAfter, 1.5 * floorHwmAfter)},
        {"Keystroke, arrival to repaint done: p50 (" + keyCount + " keys)",
         fmt("%.2f ms", value(keys, "key_p50_us") / 1000),
         fmt("%.2f ms", value(floorKeys, "key_p50_us") / 1000),
         ratio(value(keys, "key_p50_us"), value(floorKeys, "key_p50_us")), ""},
        {"Keystroke, arrival to repaint done: p99", fmt("%.2f ms", p99),
         fmt("%.2f ms", value(floorKeys, "key_p99_us") / 1000),
         ratio(value(keys, "key_p99_us"), value(floorKeys, "key_p99_us")),
         goal("< 2 ms", p99, std::nextafter(2.0, 0.0))},
        {"Keystroke with Talk to me on (speech service running): p99 (" +
             fmt("%.0f", value(talkKeys, "keys")) + " keys)",
         fmt("%.2f ms", value(talkKeys, "key_p99_us") / 1000),
         fmt("%.2f ms", value(floorKeys, "key_p99_us") / 1000),
         ratio(value(talkKeys, "key_p99_us"), value(floorKeys, "key_p99_us")),
         goal("< 2 ms", value(talkKeys, "key_p99_us") / 1000, std::nextafter(2.0, 0.0))},
        {"Keystroke while lines are sent to a classroom server all along: p99 (" +
             fmt("%.0f", value(sendKeys, "keys")) + " keys, " +
             fmt("%.0f", value(sendKeys, "lines_sent")) + " lines sent)",
         fmt("%.2f ms", value(sendKeys, "key_p99_us") / 1000),
         fmt("%.2f ms", value(floorKeys, "key_p99_us") / 1000),
         ratio(value(sendKeys, "key_p99_us"), value(floorKeys, "key_p99_us")),
         goal("< 2 ms", value(sendKeys, "key_p99_us") / 1000, std::nextafter(2.0, 0.0))},
        {"Keystroke, main thread's processor time: p99",
         fmt("%.2f ms", value(keys, "cpu_p99_us") / 1000),
         fmt("%.2f ms", value(floorKeys, "cpu_p99_us") / 1000),
         ratio(value(keys, "cpu_p99_us"), value(floorKeys, "cpu_p99_us")), ""},
        {"Keystroke, arrival to repaint done: max",
         fmt("%.2f ms", value(keys, "key_max_us") / 1000),
         fmt("%.2f ms", value(floorKeys, "key_max_us") / 1000),
         ratio(value(keys, "key_max_us"), value(floorKeys, "key_max_us")), ""},
        {"Processor time, " + std::to_string(o.idleSeconds) + " s idle at the menu screen",
         idleText(idle.menu), idleText(idle.floor), ratio(idle.menu.cpuMs, idle.floor.cpuMs),
         idleGoal(idle.menu)},
        {"Processor time, " + std::to_string(o.idleSeconds) + " s with a drill waiting for a key",
         idleText(idle.drill), idleText(idle.floor), ratio(idle.drill.cpuMs, idle.floor.cpuMs),
         idleGoal(idle.drill)},
        // The pause must not spin: judged on the main thread, the one that pauses. The
        // other threads' time is the sound of the third press playing meanwhile.
        {"Processor time in the half-second pause (" + std::to_string(idle.pauses) + " x " +
             fmt("%.0f ms", idle.pauseWindowMs) + " inside it)",
         "main thread " + fmt("%.2f ms", idle.pauseMainRunMs) + "; all threads " +
             fmt("%.2f ms", idle.pauseRunMs) + " (utime+stime " + fmt("%.0f ms", idle.pauseCpuMs) +
             ")",
         "-", "-",
         idle.pauses == 0 ? std::string("0 ms: n/a")
                          : goal("0 ms (main thread)", idle.pauseMainRunMs < 1 ? 0 : 1, 0)},
    };

    std::printf("Tapwell benchmark, %s\n", date);
    std::printf("Machine: %s; load average %s before, %s after\n", machine().c_str(),
                loadBefore.c_str(), loadAverage().c_str());
    std::printf("\n");
    printTable(rows);
    std::printf("\n");
    std::printf(
        "Keystroke parts (p50 / p99 / max, ms): handler %s / %s / %s; all repaints %s / %s / "
        "%s; X server to program %s / %s / %s. Keys inside a line %s / %s / %s; the %.0f keys "
        "that end a line (its result shown) %s / %s / %s. OK to the next line: %s / %s / %s. "
        "First key %s ms; %.2f repaints a key; %.0f repaints outside a timed key.\n",
        fmt("%.2f", value(keys, "handled_p50_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "handled_p99_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "handled_max_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "painted_p50_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "painted_p99_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "painted_max_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "transit_p50_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "transit_p99_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "transit_max_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "inline_p50_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "inline_p99_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "inline_max_us") / 1000).c_str(), value(keys, "lineend_keys"),
        fmt("%.2f", value(keys, "lineend_p50_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "lineend_p99_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "lineend_max_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "nextline_p50_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "nextline_p99_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "nextline_max_us") / 1000).c_str(),
        fmt("%.2f", value(keys, "first_key_us") / 1000).c_str(), value(keys, "repaints_per_key"),
        value(keys, "outside_repaints"));
    std::printf("Peak memory of the keystroke bench at its menu screen: %s (floor window: %s); "
                "it typed %s drill lines in all to reach its keys.\n",
                fmt("%.1f MiB", value(keys, "hwm_menu_kb") / 1024).c_str(),
                fmt("%.1f MiB", value(floorKeys, "hwm_menu_kb") / 1024).c_str(),
                fmt("%.0f", value(keys, "lines")).c_str());
    std::printf(
        "How: start-up from just before fork/exec (or the XTEST click) to the X server's "
        "MapNotify of the window, read by a client listening on the root window. Memory is "
        "VmHWM. A keystroke runs from the X key event's arrival on the program's main thread "
        "to the end of every repaint it causes (handler, guide, text display, keys), flushed "
        "and confirmed by a round trip to the X server; keys are sent through XTEST one at a "
        "time into the real main window, with key sounds off and the pause and end sound "
        "instant; Use Shift on, all rows, Character and Word Drill in blocks of 50 lines. "
        "Idle work is utime+stime from /proc/<pid>/stat (clock ticks of %ld ms) with the "
        "scheduler's run time and wake-ups (schedstat). The pause is the Home Row lesson's "
        "practice: after the third press of a, s, d and f, %.0f ms of each pause, from 10 ms "
        "after the main thread went to sleep in system call %s (230 = clock_nanosleep); the "
        "other threads' time there is the sound of the third press playing.\n",
        1000 / clockTicksPerSecond(), idle.pauseWindowMs,
        idle.pauseCalls.empty() ? "?" : idle.pauseCalls.front().c_str());
    if (!failures.empty()) {
        std::printf("\nCould not measure:\n");
        for (const std::string& f : failures)
            std::printf("  %s\n", f.c_str());
        if (!childLog.empty()) std::printf("The programs' messages are in %s.\n", childLog.c_str());
        return 1;
    }
    return 0;
}
