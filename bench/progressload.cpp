// "My Progress" with a large record: how long the window takes to be filled the first
// time it opens and the next time (after one more line), and how long the main thread
// is kept from answering a key meanwhile: a timer on the main thread ticks every
// millisecond, and the longest gap between its ticks is the longest a key would wait.
// Prints "name<TAB>value" lines for bench/run.sh.
// Usage: tapwell_progressload RECORD KEY.DAT [--runs N]
// Run on an X server (as bench/run.sh does), so the painting is the real one.
#include "progress/childrenservice.h"
#include "progress/store.h"
#include "progresswindow/progresswindow.h"
#include "state/typestate.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace tapwell;

namespace {

struct Opening {
    double ms = 0;      // showChild to every part drawn
    double stallMs = 0; // the main thread's longest gap meanwhile
};

// Shows the child and waits for the window to be filled, ticking meanwhile.
Opening open(ProgressWindow& w, const progress::Child& child) {
    QElapsedTimer clock;
    QEventLoop loop;
    QObject::connect(&w, &ProgressWindow::filled, &loop, &QEventLoop::quit);
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    clock.start();
    w.showChild(child);
    // What showChild itself took is a gap too.
    longest = std::max(longest, clock.nsecsElapsed() - last);
    last = clock.nsecsElapsed();
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    Opening o;
    o.ms = clock.nsecsElapsed() / 1e6;
    // The painting of what was drawn comes after: ticking goes on a little while.
    QEventLoop after;
    QTimer::singleShot(200, &after, &QEventLoop::quit);
    after.exec();
    o.stallMs = std::max(longest, clock.nsecsElapsed() - last) / 1e6;
    return o;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double highest(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("tapwell.*.debug=false"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: tapwell_progressload RECORD KEY.DAT [--runs N]\n");
        return 2;
    }
    int runs = 5;
    for (int i = 3; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));

    TypeState keys;
    QFile keyFile(QString::fromLocal8Bit(argv[2]));
    KeyDataError error;
    if (!keyFile.open(QIODevice::ReadOnly) ||
        !readKeyData(keyFile.readAll().toStdString(), keys, error)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    progress::Store store(QString::fromLocal8Bit(argv[1]));
    if (!store.open() || store.children().isEmpty()) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    progress::ChildrenService children(store);
    const progress::Child child = store.children().front();
    ProgressHost host;
    host.store = &store;
    host.keys = &keys;
    host.children = &children;

    std::vector<double> first, firstStall, second, secondStall;
    for (int run = 0; run < runs; ++run) {
        ProgressWindow w(host); // a new window reads the record anew
        const Opening a = open(w, child);
        w.close();
        // One more line, as a child types between two openings.
        progress::LineRecord line;
        line.started = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
        line.activity = Activity::Character;
        line.accuracy = 95;
        for (int k = 0; k < 25; ++k)
            line.keys.push_back({'a' + k % 26, 'a' + k % 26, 200});
        store.writeLine(child.id, line);
        const Opening b = open(w, child);
        w.close();
        first.push_back(a.ms);
        firstStall.push_back(a.stallMs);
        second.push_back(b.ms);
        secondStall.push_back(b.stallMs);
    }
    std::printf("progress_first_ms\t%.1f\n", median(first));
    std::printf("progress_second_ms\t%.1f\n", median(second));
    // Each opening's longest stall: their median, and the worst (the first window of the
    // process pays for loading fonts and styles).
    std::vector<double> stalls = firstStall;
    stalls.insert(stalls.end(), secondStall.begin(), secondStall.end());
    std::printf("progress_stall_median_ms\t%.1f\n", median(stalls));
    std::printf("progress_stall_max_ms\t%.1f\n", highest(stalls));
    return 0;
}
