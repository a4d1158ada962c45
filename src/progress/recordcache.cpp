#include "recordcache.h"

#include <QTimeZone>

#include <algorithm>
#include <unordered_set>

namespace tapwell::progress {

namespace {

void readAll(Store& store, const Child& child, ChildRecord& record, const QString& zone) {
    const Store::Reading all = store.readSince(child.id);
    record = {};
    record.child = child;
    record.timeZone = zone;
    record.lines = summariesOf(all.lines);
    record.presses = pressesOf(all.keys);
    record.lastLineId = all.newestLineId;
    if (!all.lines.empty()) record.lastStarted = all.lines.back().line.started;
    record.linesRead = static_cast<int>(all.lines.size());
    record.readAll = true;
}

// Keeps the keys of the latest kRecentLines lines, as a whole read would give them.
void trimPresses(ChildRecord& record) {
    if (record.lines.size() > static_cast<std::size_t>(kRecentLines)) {
        std::unordered_set<qint64> recent;
        for (auto it = record.lines.rbegin(); recent.size() < std::size_t{kRecentLines}; ++it)
            recent.insert(it->id);
        while (!record.presses.empty() && recent.count(record.presses.back().line) == 0)
            record.presses.pop_back();
    }
    if (record.presses.size() > static_cast<std::size_t>(kMostRecentKeys))
        record.presses.resize(static_cast<std::size_t>(kMostRecentKeys));
}

} // namespace

void update(Store& store, const Child& child, ChildRecord& record) {
    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    if (record.child.id != child.id || record.child.created != child.created ||
        record.timeZone != zone || record.lastLineId == 0)
        return readAll(store, child, record, zone);

    const Store::Reading added = store.readSince(child.id, record.lastLineId);
    if (!added.lines.empty() && added.lines.front().line.started < record.lastStarted)
        return readAll(store, child, record, zone);

    const std::vector<LineSummary> more = summariesOf(added.lines);
    record.lines.insert(record.lines.end(), more.begin(), more.end());
    std::vector<Press> newer = pressesOf(added.keys);
    newer.insert(newer.end(), record.presses.begin(), record.presses.end());
    record.presses = std::move(newer);
    record.lastLineId = std::max(record.lastLineId, added.newestLineId);
    if (!added.lines.empty()) record.lastStarted = added.lines.back().line.started;
    record.child = child; // a new name or picture
    record.linesRead = static_cast<int>(added.lines.size());
    record.readAll = false;
    trimPresses(record);
}

} // namespace tapwell::progress
