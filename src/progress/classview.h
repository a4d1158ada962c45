// A teacher's view of a class: one row per child, from the record the teacher may read
// (the children of their classes, on the school's server). Plain C++ over the store.
#pragma once

#include "stats.h"
#include "store.h"

#include <QDate>

#include <optional>
#include <vector>

namespace tapwell::progress {

struct ClassRow {
    Child child;
    int linesThisWeek = 0; // since Monday
    double minutesThisWeek = 0;
    std::optional<double> medianWpm;            // of the lines of the last 7 days that show one
    std::optional<double> medianAccuracy;       // likewise
    std::optional<FingerTrouble> weakestFinger; // over the last 7 days' keys
    QDate lastDay;                              // the last day practised
};

// Each child of the record, by name. Reads only the last days' lines and keys of each.
std::vector<ClassRow> classRows(Store& store, const KeyTables& t, const QDate& today);

} // namespace tapwell::progress
