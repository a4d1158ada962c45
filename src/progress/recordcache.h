// What My Progress has read of one child's record, kept between openings: a second
// opening reads only the lines added since the first, so a year's record is read once.
#pragma once

#include "progress/stats.h"
#include "progress/store.h"

#include <QString>

#include <vector>

namespace tapwell::progress {

struct ChildRecord {
    Child child;      // by id and the moment they were added: a child removed and added
                      // again under the same id is another child
    QString timeZone; // the zone the days were counted in
    qint64 lastLineId = 0;
    QString lastStarted;
    std::vector<LineSummary> lines; // oldest first
    std::vector<Press> presses;     // newest first, of the latest kRecentLines lines
    // What the last update read: every line, or only those added since.
    int linesRead = 0;
    bool readAll = true;
};

// Brings `record` up to date with the store for `child`: the lines after the newest one
// it holds, or the whole record when it holds another child's, days of another time
// zone, or a line added out of order (a clock set back).
void update(Store& store, const Child& child, ChildRecord& record);

} // namespace tapwell::progress
