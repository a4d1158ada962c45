// What a child's record says, as plain numbers: each key's error rate over its last
// presses and the key pressed instead most often, day-by-day medians of speed and
// accuracy, minutes typed per day, the finger that misses most, the keys that got better
// this week, the best line, the lessons practised to their end, and the weights of the
// Tricky Keys drill. Plain functions over rows read from the store; the charts and the
// trouble map only draw what they return.
#pragma once

#include "progress/store.h"
#include "state/keytables.h"

#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tapwell::progress {

// One judged key, as the statistics read it.
struct Press {
    int expected = 0; // the character asked for
    int typed = 0;    // the character typed
    QDate day;        // the day of its line, UTC
};

// A finished line, as the statistics read it.
struct LineSummary {
    QDate day;
    Activity activity = Activity::Character;
    QString rows;
    std::optional<double> wpm;
    std::optional<double> accuracy;
    qint64 ms = 0;
    QString started; // ISO 8601 UTC
};

// The store's rows as the statistics read them.
std::vector<Press> pressesOf(const std::vector<Store::RecentKey>& keys);
std::vector<LineSummary> summariesOf(const std::vector<Store::StoredLine>& lines);

// The presses that count for a key's rate: its last 100.
inline constexpr int kRecentPresses = 100;

// One on-screen key (lower and upper case, a digit and its Shift character together).
struct KeyStats {
    int key = 0;         // on-screen key index (52..98), or kSpaceBarKey
    int presses = 0;     // times asked for, within its last kRecentPresses
    int misses = 0;      // of those, typed wrong
    int insteadCode = 0; // the character typed instead most often, 0 for none
    int insteadCount = 0;
    double errorRate() const { return presses > 0 ? double(misses) / presses : 0.0; }
};

// Keys are counted by keyOfCharacter (src/state/keytables.h): the space bar as
// kSpaceBarKey.
using tapwell::kSpaceBarKey;

// Per key, from presses newest first (as the store gives them): only each key's last
// kRecentPresses count.
std::map<int, KeyStats> keyStats(const KeyTables& t, const std::vector<Press>& newestFirst);

// A value per day: the days without a line are absent (a chart leaves a gap there).
struct DayValue {
    QDate day;
    double value = 0;
};

// The median of each day's values of one activity: "wpm" or "accuracy".
std::vector<DayValue> dailyMedian(const std::vector<LineSummary>& lines, Activity activity,
                                  bool wpm);

// Runs of consecutive days, so a chart draws a line within a run and a gap between.
std::vector<std::vector<DayValue>> consecutiveRuns(const std::vector<DayValue>& days);

// Minutes typed on each of the 30 days up to today (zeros included: a bar of nothing),
// oldest first.
std::vector<DayValue> minutesPerDay(const std::vector<LineSummary>& lines, const QDate& today,
                                    int days = 30);

// The finger that misses most, with its keys that missed most. None without enough
// presses.
struct FingerTrouble {
    int hand = 0;   // 1 left, 2 right
    int finger = 0; // 1 little .. 4 index
    double errorRate = 0;
    std::vector<int> keys; // on-screen key indexes, most misses first (at most three)
};
std::optional<FingerTrouble> weakestFinger(const KeyTables& t, const std::map<int, KeyStats>& keys,
                                           int minPresses = 20);

// Keys whose error rate this week is clearly lower than before it.
std::vector<int> keysBetterThisWeek(const KeyTables& t, const std::vector<Press>& newestFirst,
                                    const QDate& today, int minPresses = 10);

// The best line: the fastest Word Drill line or Timed Drill run.
std::optional<LineSummary> bestLine(const std::vector<LineSummary>& lines);

// Each row lesson (1..4) practised to its end, with the last day it was.
std::map<int, QDate> lessonsFinished(const std::vector<LineSummary>& lines);

// Minutes typed in all the lines.
double totalMinutes(const std::vector<LineSummary>& lines);

// The Tricky Keys weight of a key: (misses + 1) / (presses + 10) over its last presses, so
// one early slip does not dominate and a key never seen starts at 10%.
double trickyWeight(const KeyStats* stats);
// A key is secure at an error rate of 5% or less over at least 20 presses.
bool isSecure(const KeyStats* stats);

} // namespace tapwell::progress
