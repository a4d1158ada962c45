// The keystroke bench: Tapwell's main window (or the floor window) on the X server,
// typed at through the server with XTEST, one key at a time, drill line after drill
// line. For every keystroke it times:
//   arrival  the X key event read by the program's main thread (a native event filter)
//   handled  the key event's delivery to the window returned: the handler, the guide and
//            the display's own synchronous repaint are done
//   painted  the last repaint the key caused is done (the window's update request: the
//            changed keys, hands, arrow and text painted into the backing store and the
//            backing store flushed to the server)
//   end      a round trip on the program's own X connection came back after that, so
//            the server has carried out all the drawing
// "painted" is found without guessing: when the key's delivery returns, a marker event
// is posted at the same low priority as the update request that the repaint waits
// for, so it is handled after it. A repaint outside a timed key is counted and shown.
// The next key is sent only when the last one has been timed and released. Beside the
// time, the main thread's own processor time over the same span is taken: on a busy
// machine the time also holds the waits for a processor, the processor time does not.
//
// The program's clock, sound and pause are fakes, as in the window tests: the key
// sounds are off, the half-second pause and the end sound take no time. With --voice,
// "Talk to me" is on with the real voice (Qt TextToSpeech, to whatever speech service
// the session has): every key then asks it to say the next key and finger.
//
// Prints one "name=value" line per result; times are in microseconds, memory in KiB.
#include "floorwindow.h"
#include "xkeys.h"

#include "io/settings.h"
#include "services/services.h"
#include "speech/qtvoice.h"
#include "state/options.h"
#include "support/fakes.h"
#include "ui/frmtype.h"
#include "ui/twips.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include "progress/store.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace tapwell;
using namespace tapwell::bench;

namespace {

std::int64_t nowNs(clockid_t clock = CLOCK_MONOTONIC) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

// Processor time of the main thread: what a key costs whatever else the machine runs.
std::int64_t threadCpuNs() {
    return nowNs(CLOCK_THREAD_CPUTIME_ID);
}

// Peak resident memory of this process, in KiB.
long vmHwmKb() {
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "keystrokes: %s\n", why.c_str());
    std::fflush(stdout);
    std::_Exit(2);
}

// The program's services as the window tests have them.
using test::FakeClock;
using test::InstantPause;
struct NoShell : ShellActions {
    void showAbout() override {}
    void showHelp() override {}
    void exitProgram() override {}
};

enum class Kind { Plain, Measured, NextLine };

struct Step {
    unsigned code = 0;
    bool press = true;
    Kind kind = Kind::Plain;
};

struct Sample {
    std::int64_t sent = 0, arrived = 0, handled = 0, painted = 0, end = 0;
    std::int64_t cpuArrived = 0, cpuEnd = 0;
    int repaints = 0;
    bool lineEnd = false; // the key that ended a drill line (its result shows)
};

const QEvent::Type kMarker = static_cast<QEvent::Type>(QEvent::User + 71);
const QEvent::Type kSettled = static_cast<QEvent::Type>(QEvent::User + 72);

class Driver : public QObject, public QAbstractNativeEventFilter {
public:
    Driver(XKeys& keys, xcb_connection_t* connection) : keys_(keys), connection_(connection) {
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(5000);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            fail("key code " + std::to_string(step_.code) + (step_.press ? " press" : " release") +
                 " was sent but not handled within 5 s");
        });
    }

    // Appends the next keys to type; false when there is nothing more to type.
    std::function<bool(std::deque<Step>&)> plan;
    // Whether the key just timed ended a drill line.
    std::function<bool()> endedLine;
    std::function<void()> finished;

    std::vector<Sample> measured, nextLine;
    int outsideRepaints = 0;

    // Queues the steps that type one character.
    void typeCharacter(std::deque<Step>& q, int character, Kind kind) const {
        XKeys::Key k;
        if (!keys_.keyFor(character, k))
            fail("no key on the X keyboard types character " + std::to_string(character));
        if (k.shift) q.push_back({keys_.shiftCode(), true, Kind::Plain});
        q.push_back({k.code, true, kind});
        q.push_back({k.code, false, Kind::Plain});
        if (k.shift) q.push_back({keys_.shiftCode(), false, Kind::Plain});
    }

    void start() { settleThenNext(); }

    // The window was changed without a key (a drill chosen by the bench): the next key
    // waits until the repaint that caused is done.
    void settleFirst() { settleFirst_ = true; }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !waiting_ || arrived_) return false;
        const auto* ev = static_cast<const xcb_generic_event_t*>(message);
        const int rt = ev->response_type & 0x7f;
        if (rt != XCB_KEY_PRESS && rt != XCB_KEY_RELEASE) return false;
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(ev);
        if (key->detail == step_.code && (rt == XCB_KEY_PRESS) == step_.press) {
            arrived_ = true;
            current_.arrived = nowNs();
            current_.cpuArrived = threadCpuNs();
        }
        return false;
    }

    // A key event's delivery to a window has returned.
    void keyDelivered() {
        if (!arrived_ || handled_) return;
        handled_ = true;
        current_.handled = nowNs();
        QCoreApplication::postEvent(this, new QEvent(kMarker), Qt::LowEventPriority);
    }

    // A window's update request has been handled: its repaint is done.
    void repainted() {
        if (waiting_ && arrived_ && step_.kind != Kind::Plain) {
            ++current_.repaints;
            current_.painted = nowNs();
        } else if (started_ && !settling_) {
            ++outsideRepaints;
        }
    }

    bool event(QEvent* e) override {
        if (e->type() == kMarker) {
            finishStep();
            return true;
        }
        if (e->type() == kSettled) {
            settling_ = false;
            next();
            return true;
        }
        return QObject::event(e);
    }

private:
    void roundTrip() {
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    void finishStep() {
        watchdog_.stop();
        if (step_.kind != Kind::Plain) {
            roundTrip();
            current_.end = nowNs();
            current_.cpuEnd = threadCpuNs();
            current_.lineEnd = step_.kind == Kind::Measured && endedLine && endedLine();
            if (current_.painted == 0) current_.painted = current_.handled;
            (step_.kind == Kind::Measured ? measured : nextLine).push_back(current_);
        }
        waiting_ = false;
        next();
    }

    void settleThenNext() {
        settling_ = true;
        QCoreApplication::postEvent(this, new QEvent(kSettled), Qt::LowEventPriority);
    }

    void next() {
        started_ = true;
        if (queue_.empty() && (!plan || !plan(queue_) || queue_.empty())) {
            if (finished) finished();
            return;
        }
        if (settleFirst_) {
            settleFirst_ = false;
            settleThenNext();
            return;
        }
        step_ = queue_.front();
        queue_.pop_front();
        waiting_ = true;
        arrived_ = handled_ = false;
        current_ = Sample{};
        current_.sent = nowNs();
        keys_.send(step_.code, step_.press);
        watchdog_.start();
    }

    XKeys& keys_;
    xcb_connection_t* connection_;
    QTimer watchdog_;
    std::deque<Step> queue_;
    Step step_;
    Sample current_;
    bool started_ = false, waiting_ = false, arrived_ = false, handled_ = false;
    bool settling_ = false, settleFirst_ = false;
};

Driver* theDriver = nullptr;

class BenchApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* e) override {
        const QEvent::Type type = e->type();
        const bool keyToWindow =
            (type == QEvent::KeyPress || type == QEvent::KeyRelease) && receiver->isWindowType();
        const bool result = QApplication::notify(receiver, e);
        if (theDriver) {
            if (keyToWindow) theDriver->keyDelivered();
            if (type == QEvent::UpdateRequest) theDriver->repainted();
        }
        return result;
    }
};

// Lets the event loop run until the condition holds; false after the time limit.
bool waitFor(const std::function<bool()>& condition, int ms) {
    const std::int64_t deadline = nowNs() + std::int64_t{ms} * 1'000'000;
    while (!condition()) {
        if (nowNs() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Shows the window, active and painted, then lets everything it started settle.
void showAndSettle(QWidget& w) {
    w.show();
    w.activateWindow();
    if (!waitFor(
            [&] {
                return w.windowHandle() && w.windowHandle()->isExposed() &&
                       QGuiApplication::focusWindow() == w.windowHandle();
            },
            10000))
        fail("the window was not shown and active within 10 s");
    const std::int64_t until = nowNs() + 300'000'000;
    while (nowNs() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct Stats {
    double p50 = 0, p99 = 0, max = 0, mean = 0;
};

Stats stats(std::vector<double> v) {
    Stats s;
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    const auto at = [&](double q) {
        const auto i = static_cast<std::size_t>(std::ceil(q * static_cast<double>(v.size())));
        return v[std::min(v.size() - 1, i == 0 ? 0 : i - 1)];
    };
    s.p50 = at(0.50);
    s.p99 = at(0.99);
    s.max = v.back();
    double sum = 0;
    for (double x : v)
        sum += x;
    s.mean = sum / static_cast<double>(v.size());
    return s;
}

void printStats(const char* name, const std::vector<double>& v) {
    const Stats s = stats(v);
    std::printf("%s_p50_us=%.1f\n%s_p99_us=%.1f\n%s_max_us=%.1f\n%s_mean_us=%.1f\n", name, s.p50,
                name, s.p99, name, s.max, name, s.mean);
}

void report(const Driver& d, std::size_t keys) {
    std::vector<Sample> m(d.measured.begin(), d.measured.begin() + static_cast<long>(std::min(
                                                                       keys, d.measured.size())));
    const auto us = [](std::int64_t from, std::int64_t to) { return (to - from) / 1000.0; };
    std::vector<double> total, handled, painted, transit, cpu, next, inLine, atEnd;
    double repaints = 0;
    for (const Sample& s : m) {
        total.push_back(us(s.arrived, s.end));
        handled.push_back(us(s.arrived, s.handled));
        painted.push_back(us(s.arrived, s.painted));
        transit.push_back(us(s.sent, s.arrived));
        cpu.push_back(us(s.cpuArrived, s.cpuEnd));
        (s.lineEnd ? atEnd : inLine).push_back(us(s.arrived, s.end));
        repaints += s.repaints;
    }
    for (const Sample& s : d.nextLine)
        next.push_back(us(s.arrived, s.end));
    std::printf("keys=%zu\n", m.size());
    printStats("key", total);
    printStats("handled", handled);
    printStats("painted", painted);
    printStats("transit", transit);
    printStats("cpu", cpu);
    printStats("inline", inLine);
    printStats("lineend", atEnd);
    std::printf("lineend_keys=%zu\n", atEnd.size());
    printStats("nextline", next);
    std::printf("first_key_us=%.1f\n", total.empty() ? 0.0 : total.front());
    std::printf("repaints_per_key=%.2f\n", m.empty() ? 0.0 : repaints / double(m.size()));
    std::printf("outside_repaints=%d\n", d.outsideRepaints);
}

struct Options {
    bool floor = false;
    bool voice = false;
    QString sendTo, login; // a classroom's server and account: lines sent all along
    std::size_t keys = 10000;
    int lines = 500;
    int block = 50; // drill lines before switching between the Character and Word Drill
    std::string data;
};

Options parse(int argc, char* argv[]) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) fail("missing value after " + a);
            return argv[++i];
        };
        if (a == "--floor")
            o.floor = true;
        else if (a == "--send") {
            o.sendTo = QString::fromStdString(value());
            o.login = QString::fromStdString(value());
        } else if (a == "--voice")
            o.voice = true;
        else if (a == "--keys")
            o.keys = std::stoul(value());
        else if (a == "--lines")
            o.lines = std::stoi(value());
        else if (a == "--data")
            o.data = value();
        else
            fail("unknown argument " + a +
                 " (use --floor, --voice, --keys N, --lines N, --data DIR-OF-KEY.DAT)");
    }
    return o;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    BenchApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tapwell-keystrokes"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutes();
    const Options opt = parse(argc, argv);

    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) fail("not running on the xcb platform");
    XKeys keys;
    std::string error;
    if (!keys.open(error)) fail(error);

    Driver driver(keys, x11->connection());
    app.installNativeEventFilter(&driver);
    theDriver = &driver;

    long hwmMenu = 0, hwmAfter = 0;
    int lines = 0;
    std::unique_ptr<QWidget> window;

    Module1 g;
    FakeClock clock;
    SeededRandom random{7};
    test::FakeSound sound;
    sound.record = false;
    InstantPause pause{clock};
    NoShell shell;
    FrmType* w = nullptr;
    std::unique_ptr<QtVoice> voice;

    if (opt.floor) {
        auto* f = new FloorWindow;
        window.reset(f);
        showAndSettle(*f);
        hwmMenu = vmHwmKb();
        static const char text[] = "the quick brown fox jumps over the lazy dog\r";
        std::size_t at = 0;
        driver.plan = [&, f](std::deque<Step>& q) {
            if (driver.measured.size() >= opt.keys) return false;
            if (QApplication::focusWidget() != f) fail("the floor window lost the focus");
            driver.typeCharacter(q, text[at++ % (sizeof text - 1)], Kind::Measured);
            return true;
        };
    } else {
        g.AppPath = opt.data.empty()
                        ? (QCoreApplication::applicationDirPath() + QStringLiteral("/../src/"))
                              .toStdString()
                        : opt.data + "/";
        // Every row, Use Shift on, key sounds off.
        if (!parseSettings("1,1,1,1,1,0", g, error)) fail(error);
        w = new FrmType(g, Services{&clock, &random, &sound, &pause}, &shell);
        window.reset(w);
        if (!w->Form_Load(error)) fail(error);
        if (opt.voice) {
            voice = std::make_unique<QtVoice>();
            w->core().setVoice(voice.get(), "en");
        }
        random.reseed(7);
        showAndSettle(*w);
        hwmMenu = vmHwmKb();

        bool inLine = false;
        int mode = kCharacterDrill;
        driver.endedLine = [&] { return inLine && w->state().Typing == 0; };
        w->cmdMenu_Click(mode);
        driver.plan = [&](std::deque<Step>& q) {
            if (w->state().Typing == 1) {
                if (QApplication::focusWidget() != controlsOf(*w).picDisplay)
                    fail("the text display lost the focus in a drill line");
                driver.typeCharacter(q, w->state().TargetKey, Kind::Measured);
                return true;
            }
            if (inLine) {
                inLine = false;
                if (++lines == opt.lines) hwmAfter = vmHwmKb();
            }
            if (lines >= opt.lines && driver.measured.size() >= opt.keys) return false;
            if (lines > 0 && lines % opt.block == 0) {
                // The next block of lines in the other drill, chosen as by a click.
                w->cmdStop_Click(1);
                mode = mode == kCharacterDrill ? kWordDrill : kCharacterDrill;
                w->cmdMenu_Click(mode);
                driver.settleFirst();
            }
            if (QApplication::focusWidget() != controlsOf(*w).cmdOK)
                fail("OK does not have the focus");
            driver.typeCharacter(q, 13, Kind::NextLine);
            inLine = true;
            return true;
        };
    }

    driver.finished = [&] {
        if (opt.floor) hwmAfter = vmHwmKb();
        QCoreApplication::exit(0);
    };
    QTimer::singleShot(0, &driver, [&] { driver.start(); });
    // A classroom's sending, as hard as it goes: a thread of its own writes line after line
    // to the server on its own connection while the keys are timed (the sender does one
    // a line, every twenty seconds or so).
    std::atomic<bool> sending{!opt.sendTo.isEmpty()};
    std::atomic<int> sent{0};
    std::thread sender;
    if (sending) {
        sender = std::thread([&] {
            progress::Store server(opt.sendTo, QStringLiteral("bench.send"),
                                   progress::Engine::PostgreSQL);
            if (!server.open()) fail("the server: " + server.problem().detail.toStdString());
            const qint64 child = server.childNamed(opt.login).value_or(0);
            progress::LineRecord line;
            line.started = QStringLiteral("2026-12-08T10:00:00Z");
            line.activity = Activity::Word;
            for (int k = 0; k < 22; ++k)
                line.keys.push_back({'a' + k, 'a' + k, 300});
            while (sending) {
                line.uuid.clear();
                if (server.writeLine(child, line)) ++sent;
            }
        });
    }
    const int rc = QApplication::exec();
    sending = false;
    if (sender.joinable()) sender.join();
    if (!opt.sendTo.isEmpty()) std::printf("lines_sent=%d\n", sent.load());
    theDriver = nullptr;
    if (rc != 0) return rc;

    std::printf("window=%s\n", opt.floor ? "floor" : "tapwell");
    report(driver, opt.keys);
    std::printf("lines=%d\n", lines);
    std::printf("hwm_menu_kb=%ld\nhwm_after_kb=%ld\n", hwmMenu, hwmAfter);
    if (driver.measured.size() < opt.keys) fail("fewer keys typed than asked for");
    return 0;
}
