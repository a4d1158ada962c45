// The progress record of a year of daily use, made through Store::writeLine as the
// program writes it: 365 days of 60 lines (drill lines, runs and practice fingers, about
// 500,000 keys). Then the costs a child's typing sees: opening that record, and writing
// one more line's record into it. Prints "name<TAB>value" lines for bench/run.sh.
// Usage: tapwell_makerecord FILE [--days N] [--lines N] [--writes N]
#include "progress/store.h"
#include "ui/recordwords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using tapwell::Activity;
using tapwell::progress::activityNamed;
using tapwell::progress::LineRecord;
using tapwell::progress::Store;

namespace {

// One line as a child types it: 20 to 28 keys, about one in twenty wrong, 150-400 ms apart.
LineRecord dayLine(QRandomGenerator& r, const QDateTime& at, int n) {
    static const char* const kinds[] = {"character", "word", "practice", "timed"};
    LineRecord l;
    l.started = at.toString(Qt::ISODateWithMs);
    l.activity =
        *activityNamed(QString::fromLatin1(kinds[n % 12 == 11 ? 3 : n % 3])); // a run now and then
    l.rows = QStringLiteral("home,top");
    l.shift = n % 2;
    const int keys = l.activity == Activity::Timed ? 0 : 20 + r.bounded(9);
    int right = 0, wrong = 0;
    qint64 ms = 0;
    for (int k = 0; k < keys; ++k) {
        const int expected = 'a' + r.bounded(26);
        const bool ok = r.bounded(20) != 0;
        const qint64 gap = 150 + r.bounded(250);
        ms += gap;
        l.keys.push_back({expected, ok ? expected : 'a' + r.bounded(26), gap});
        (ok ? right : wrong) += 1;
    }
    l.chars = keys ? right : 150;
    l.right = right;
    l.wrong = wrong;
    l.ms = keys ? ms : 30000;
    if (l.activity != Activity::Character) l.wpm = 20 + r.bounded(20);
    if (keys) l.accuracy = 100.0 * right / keys;
    return l;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [--days N] [--lines N] [--writes N]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    int days = 365, perDay = 60, writes = 200;
    for (int i = 2; i + 1 < argc; i += 2) {
        const int v = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--days")) days = v;
        if (!std::strcmp(argv[i], "--lines")) perDay = v;
        if (!std::strcmp(argv[i], "--writes")) writes = v;
    }
    for (const char* side : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(side));

    QRandomGenerator r(2026);
    QElapsedTimer t;
    long keys = 0;
    {
        Store s(path);
        if (!s.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(tapwell::recordProblemText(s.problem())));
            return 1;
        }
        const qint64 child = s.addChild(QStringLiteral("Ada"), QStringLiteral("fox")).value_or(0);
        const QDateTime first(QDate(2025, 1, 1), QTime(16, 0), Qt::UTC);
        t.start();
        for (int d = 0; d < days; ++d)
            for (int n = 0; n < perDay; ++n) {
                const LineRecord l = dayLine(r, first.addDays(d).addSecs(20 * n), n);
                keys += static_cast<long>(l.keys.size());
                if (!s.writeLine(child, l)) {
                    std::fprintf(stderr, "%s\n",
                                 qPrintable(tapwell::recordProblemText(s.problem())));
                    return 1;
                }
            }
    }
    const double fillS = static_cast<double>(t.elapsed()) / 1000.0;
    const qint64 bytes = QFileInfo(path).size();

    // As the program starts: open (with its check of the whole file), then a day's lines.
    t.restart();
    Store s(path);
    if (!s.open()) return 1;
    const double openMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const qint64 child = s.children().value(0).id;
    std::vector<double> writeMs;
    const QDateTime day(QDate(2026, 1, 1), QTime(16, 0), Qt::UTC);
    for (int n = 0; n < writes; ++n) {
        const LineRecord l = dayLine(r, day.addSecs(20 * n), n % 3);
        t.restart();
        if (!s.writeLine(child, l)) return 1;
        writeMs.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }

    std::printf("lines\t%d\n", days * perDay);
    std::printf("keystrokes\t%ld\n", keys);
    std::printf("fill seconds\t%.1f\n", fillS);
    std::printf("file MB\t%.1f\n", static_cast<double>(bytes) / (1024.0 * 1024.0));
    std::printf("open ms\t%.1f\n", openMs);
    std::printf("write median ms\t%.2f\n", percentile(writeMs, 0.5));
    std::printf("write p99 ms\t%.2f\n", percentile(writeMs, 0.99));
    return 0;
}
