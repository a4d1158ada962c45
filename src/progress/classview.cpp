#include "classview.h"

#include <QDateTime>

#include <algorithm>

namespace tapwell::progress {

namespace {

std::optional<double> median(std::vector<double> v) {
    if (v.empty()) return std::nullopt;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

std::vector<ClassRow> classRows(Store& store, const KeyTables& t, const QDate& today) {
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    const QDate sevenDays = today.addDays(-6);
    const QDate first = std::min(monday, sevenDays);
    // Lines are kept in UTC and counted by the local day: a day's margin, then each by its
    // own day.
    const QString since =
        QDateTime(first.addDays(-1), QTime(0, 0), Qt::UTC).toString(Qt::ISODateWithMs);

    std::vector<ClassRow> rows;
    QList<Child> children = store.children();
    std::sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    for (const Child& child : children) {
        ClassRow row;
        row.child = child;
        row.lastDay = localDayOf(store.lastStarted(child.id));
        const std::vector<Store::StoredLine> lines = store.lines(child.id, 0, since);
        std::vector<double> wpm, accuracy;
        bool recent = false;
        for (const LineSummary& l : summariesOf(lines)) {
            if (l.day > today || l.day < first) continue;
            if (l.day >= monday) {
                ++row.linesThisWeek;
                row.minutesThisWeek += l.ms / 60000.0;
            }
            if (l.day >= sevenDays) {
                if (l.wpm) wpm.push_back(*l.wpm);
                if (l.accuracy) accuracy.push_back(*l.accuracy);
                recent = true;
            }
        }
        row.medianWpm = median(std::move(wpm));
        row.medianAccuracy = median(std::move(accuracy));
        if (recent) {
            std::vector<Press> presses;
            for (const Press& p : pressesOf(store.keysSince(child.id, since)))
                if (p.day >= sevenDays) presses.push_back(p);
            row.weakestFinger = weakestFinger(t, keyStats(t, presses));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace tapwell::progress
