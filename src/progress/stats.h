// What a child's record says, as plain numbers: each key's error rate over its last
// presses and the key pressed instead most often, medians of speed and accuracy and the
// minutes typed by day, week or month (and which of those the charts show, with their
// axes' ends and names), the finger that misses most, the keys that got better
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
    QDate day;        // the day of its line, in the computer's time zone
    // Another try at the key just missed: the key came up once, however many tries it
    // took, and counts as missed when its first try was wrong.
    bool retry = false;
    qint64 line = 0;            // the line's id in the record
    std::uint32_t keyboard = 0; // keyboardTag of the layout its line was typed on
};

// A finished line, as the statistics read it.
struct LineSummary {
    QDate day; // in the computer's time zone
    Activity activity = Activity::Character;
    QString rows;
    std::optional<double> wpm;
    std::optional<double> accuracy;
    qint64 ms = 0;
    QString started; // ISO 8601 UTC
    qint64 id = 0;   // the line's id in the record
};

// The day a line typed at `started` (ISO 8601 UTC, as the record keeps it) belongs to:
// the family's own calendar day, in the computer's time zone.
QDate localDayOf(const QString& started);

// The store's rows as the statistics read them.
std::vector<Press> pressesOf(const std::vector<Store::RecentKey>& keys);
std::vector<LineSummary> summariesOf(const std::vector<Store::StoredLine>& lines);

// The times a key came up that count for its rate: its last 100.
inline constexpr int kRecentPresses = 100;

// One on-screen key (lower and upper case, a digit and its Shift character together).
struct KeyStats {
    int key = 0;     // on-screen key index (52..98), or kSpaceBarKey
    int presses = 0; // times it came up, within its last kRecentPresses
    int misses = 0;  // of those, the first try typed wrong
    // The characters typed instead most often (retries too), in the order they were first
    // typed: one,
    // or two or three that tie; none when more than three tie (nothing then stands out).
    std::vector<int> instead;
    int insteadCount = 0; // how often each of them was typed
    double errorRate() const { return presses > 0 ? double(misses) / presses : 0.0; }
};

// Keys are counted by keyOfCharacter (src/state/keytables.h): the space bar as
// kSpaceBarKey.
using tapwell::kSpaceBarKey;

// Per key, from presses newest first (as the store gives them): only each key's last
// kRecentPresses times count, and a retry is not another time.
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

// How much of the record the charts show, and how finely.
enum class Span {
    FourWeeks, // the 28 days up to today, a point a day
    SixMonths, // the 26 weeks up to today's, a point a week (Monday to Sunday)
    All,       // the calendar months of the whole record (at least six), a point a month
};

// The first day of the day, week (its Monday, in the local calendar) or calendar month
// that holds `day`.
QDate periodStart(const QDate& day, Span span);

// The periods a span shows up to today's, oldest first, each by its first day.
std::vector<QDate> spanPeriods(const std::vector<LineSummary>& lines, Span span,
                               const QDate& today);

// The median of all the lines of one activity in each period of the span ("wpm" or
// accuracy), each by its period's first day; a period without a line is absent.
std::vector<DayValue> spanMedian(const std::vector<LineSummary>& lines, Activity activity, bool wpm,
                                 Span span, const QDate& today);

// Minutes typed in each period of the span, oldest first (zeros included).
std::vector<DayValue> minutesPerSpan(const std::vector<LineSummary>& lines, Span span,
                                     const QDate& today);

// Everything the charts draw for one span, worked out where the record is read.
struct SpanFigures {
    std::vector<QDate> periods;
    std::vector<DayValue> wordWpm, timedWpm, wordAccuracy, characterAccuracy, timedAccuracy;
    std::vector<DayValue> minutes;
    double totalMinutes = 0; // in all the lines
};
SpanFigures spanFigures(const std::vector<LineSummary>& lines, Span span, const QDate& today);

// Runs of consecutive periods of a span (spanMedian's values), a gap between runs.
std::vector<std::vector<DayValue>> consecutiveRuns(const std::vector<DayValue>& values, Span span);

// Points closer than this across a plot no longer read one by one.
inline constexpr double kMinPointGapPx = 4;

// The span the charts open with: the shortest that holds the whole record and whose points
// stand at least kMinPointGapPx apart across a plot this wide; else All.
Span defaultSpan(const std::vector<LineSummary>& lines, const QDate& today, double plotWidthPx);

// A value axis: from min to max, each a multiple of step, labelled at every step.
struct AxisBounds {
    double min = 0;
    double max = 0;
    double step = 0;
    int labels() const { return step > 0 ? static_cast<int>((max - min) / step + 0.5) + 1 : 0; }
    bool operator==(const AxisBounds& o) const {
        return min == o.min && max == o.max && step == o.step;
    }
};

// Accuracy in percent: the data's range with a margin, labelled every 5, 10, 20 or 25 (the
// smallest that needs at most maxLabels labels), never past 100. 0 to 100 without data.
AxisBounds accuracyBounds(const std::vector<double>& values, int maxLabels = 6);

// From 0 to a round number a little above `top` (words per minute, minutes), at most
// maxLabels labels; at least `least` high.
AxisBounds countBounds(double top, double least, int maxLabels = 6);

// The names under a span's periods (spanPeriods' indexes): every 7th day back from today,
// each month's first week, or every 1, 2, 3 or 6 months or 1, 2, 5 or 10 years, so that
// they never crowd; no name twice.
struct PeriodLabel {
    int index = 0;
    QString text;
};
std::vector<PeriodLabel> periodLabels(const std::vector<QDate>& periods, Span span,
                                      int maxLabels = 5);

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
