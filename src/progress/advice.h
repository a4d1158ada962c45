// The one thing a parent could do next, chosen from the record: practise the keys that
// are missed with Tricky Keys, take the next row's lesson once a row's keys are secure,
// or practise a little every day when the days of practice are far apart.
#pragma once

#include "progress/stats.h"
#include "state/keytables.h"

#include <QDate>

#include <map>
#include <vector>

namespace tapwell::progress {

struct Suggestion {
    enum class Kind { None, TrickyKeys, NextLesson, EveryDay };
    Kind kind = Kind::None;
    std::vector<int> keys; // TrickyKeys: the keys that need practice, most missed first
    std::vector<int> rows; // TrickyKeys: the rows they are on, for the drill to draw from
    int row = 0;           // NextLesson: the lesson's row (kTopRow...)
};

// A key needs practice at this error rate or more, over at least kEnoughPresses.
inline constexpr double kWeakRate = 0.10;
inline constexpr int kEnoughPresses = 20;
// Days of practice are far apart when the last few are this many days apart on average.
inline constexpr double kFarApartDays = 3.0;

Suggestion suggest(const KeyTables& t, const std::map<int, KeyStats>& keys,
                   const std::vector<LineSummary>& lines, const std::map<int, QDate>& lessons,
                   const QDate& today);

} // namespace tapwell::progress
