#include "stats.h"

#include "progress/recorder.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace tapwell::progress {

namespace {

constexpr int kMaxFingerKeys = 3;
constexpr int kDaysInWeek = 7;
// A key got better when its rate fell by at least this much.
constexpr double kClearlyBetter = 0.05;
constexpr double kSecureRate = 0.05;
constexpr int kSecurePresses = 20;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// More than this many characters tied for "typed instead" say nothing.
constexpr std::size_t kMostTied = 3;

// Counts one time a key came up into its numbers.
struct Tally {
    KeyStats stats;
    std::map<int, int> instead;       // character typed instead: how often
    std::map<int, std::size_t> first; // character typed instead: when first (newest-first index)
};

// A retry adds only what was typed instead: the key came up once, however many tries.
void add(Tally& t, const Press& p, std::size_t at) {
    if (!p.retry) ++t.stats.presses;
    if (p.typed != p.expected) {
        if (!p.retry) ++t.stats.misses;
        ++t.instead[p.typed];
        t.first[p.typed] = at; // newest first: the last seen is the first typed
    }
}

KeyStats finish(Tally& t) {
    for (const auto& [code, count] : t.instead)
        t.stats.insteadCount = std::max(t.stats.insteadCount, count);
    std::vector<int> most;
    for (const auto& [code, count] : t.instead)
        if (count == t.stats.insteadCount) most.push_back(code);
    // In the order they were first typed: the oldest first, the largest newest-first index.
    std::sort(most.begin(), most.end(), [&](int a, int b) { return t.first[a] > t.first[b]; });
    if (most.size() <= kMostTied) t.stats.instead = std::move(most);
    return t.stats;
}

} // namespace

QDate localDayOf(const QString& started) {
    QDateTime at = QDateTime::fromString(started, Qt::ISODateWithMs);
    if (!at.isValid()) return QDate::fromString(started.left(10), Qt::ISODate);
    if (at.timeSpec() == Qt::LocalTime) at.setTimeSpec(Qt::UTC); // kept in UTC, with or without Z
    return at.toLocalTime().date();
}

std::vector<Press> pressesOf(const std::vector<Store::RecentKey>& keys) {
    std::vector<Press> out;
    out.reserve(keys.size());
    QString lastStarted;
    QDate day;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const Store::RecentKey& k = keys[i];
        if (k.started != lastStarted) { // a line's keys share their day
            lastStarted = k.started;
            day = localDayOf(k.started);
        }
        // Newest first: the key typed just before this one in its line comes next.
        const bool retry = i + 1 < keys.size() && keys[i + 1].lineId == k.lineId &&
                           keys[i + 1].expected == k.expected &&
                           keys[i + 1].typed != keys[i + 1].expected;
        out.push_back({k.expected, k.typed, day, retry, k.lineId, k.keyboard});
    }
    return out;
}

std::vector<LineSummary> summariesOf(const std::vector<Store::StoredLine>& lines) {
    std::vector<LineSummary> out;
    out.reserve(lines.size());
    for (const Store::StoredLine& s : lines) {
        const LineRecord& l = s.line;
        out.push_back({localDayOf(l.started), l.activity, l.rows, l.wpm, l.accuracy,
                       l.ms.value_or(0), l.started, s.id});
    }
    return out;
}

std::map<int, KeyStats> keyStats(const KeyTables& t, const std::vector<Press>& newestFirst) {
    std::map<int, Tally> tallies;
    // A key's record is of one layout: a German child's Z is not a US child's Z.
    const std::uint32_t layout =
        keyboardTag(t.layout ? QString::fromStdString(t.layout->name) : QString());
    for (std::size_t i = 0; i < newestFirst.size(); ++i) {
        const Press& p = newestFirst[i];
        if (p.keyboard != layout) continue;
        const int key = keyOfCharacter(t, p.expected);
        if (key == 0) continue;
        Tally& tally = tallies[key];
        tally.stats.key = key;
        if (tally.stats.presses < kRecentPresses) add(tally, p, i);
    }
    std::map<int, KeyStats> out;
    for (auto& [key, tally] : tallies)
        out[key] = finish(tally);
    return out;
}

std::vector<DayValue> dailyMedian(const std::vector<LineSummary>& lines, Activity activity,
                                  bool wpm) {
    std::map<QDate, std::vector<double>> byDay;
    for (const LineSummary& l : lines) {
        if (l.activity != activity) continue;
        const std::optional<double>& v = wpm ? l.wpm : l.accuracy;
        if (v) byDay[l.day].push_back(*v);
    }
    std::vector<DayValue> out;
    for (auto& [day, values] : byDay)
        out.push_back({day, median(values)});
    return out;
}

std::vector<std::vector<DayValue>> consecutiveRuns(const std::vector<DayValue>& days) {
    std::vector<std::vector<DayValue>> runs;
    for (const DayValue& d : days) {
        if (runs.empty() || runs.back().back().day.daysTo(d.day) != 1) runs.emplace_back();
        runs.back().push_back(d);
    }
    return runs;
}

std::vector<DayValue> minutesPerDay(const std::vector<LineSummary>& lines, const QDate& today,
                                    int days) {
    const QDate first = today.addDays(1 - days);
    std::vector<DayValue> out;
    for (int i = 0; i < days; ++i)
        out.push_back({first.addDays(i), 0.0});
    for (const LineSummary& l : lines) {
        const qint64 i = first.daysTo(l.day);
        if (i >= 0 && i < days) out[static_cast<std::size_t>(i)].value += l.ms / 60000.0;
    }
    return out;
}

namespace {

constexpr int kFourWeeksDays = 28;
constexpr int kSixMonthsWeeks = 26;
constexpr int kLeastMonths = 6;

// The period after the one that starts on `start`.
QDate nextPeriod(const QDate& start, Span span) {
    switch (span) {
    case Span::FourWeeks:
        return start.addDays(1);
    case Span::SixMonths:
        return start.addDays(kDaysInWeek);
    case Span::All:
        break;
    }
    return start.addMonths(1);
}

// Where a day falls among the span's periods up to today: its index, or -1 outside them.
int periodIndex(const std::vector<QDate>& periods, const QDate& day, Span span,
                const QDate& today) {
    if (periods.empty() || !day.isValid() || day < periods.front() || day > today) return -1;
    const QDate start = periodStart(day, span);
    const auto it = std::lower_bound(periods.begin(), periods.end(), start);
    return it != periods.end() && *it == start ? static_cast<int>(it - periods.begin()) : -1;
}

// The smallest of these steps that needs no more than maxLabels labels, with the bounds
// `range` gives for it.
template <typename Range>
AxisBounds firstThatFits(const std::vector<double>& steps, int maxLabels, Range range) {
    AxisBounds b;
    for (double step : steps) {
        b = range(step);
        if (b.labels() <= maxLabels) break;
    }
    return b;
}

} // namespace

QDate periodStart(const QDate& day, Span span) {
    switch (span) {
    case Span::FourWeeks:
        return day;
    case Span::SixMonths:
        return day.addDays(1 - day.dayOfWeek()); // Qt counts Monday as 1
    case Span::All:
        break;
    }
    return QDate(day.year(), day.month(), 1);
}

std::vector<QDate> spanPeriods(const std::vector<LineSummary>& lines, Span span,
                               const QDate& today) {
    const QDate last = periodStart(today, span);
    QDate first;
    switch (span) {
    case Span::FourWeeks:
        first = last.addDays(1 - kFourWeeksDays);
        break;
    case Span::SixMonths:
        first = last.addDays(-kDaysInWeek * (kSixMonthsWeeks - 1));
        break;
    case Span::All:
        first = last.addMonths(1 - kLeastMonths);
        for (const LineSummary& l : lines)
            if (l.day.isValid() && l.day < first) first = periodStart(l.day, span);
        break;
    }
    std::vector<QDate> periods;
    for (QDate d = first; d <= last; d = nextPeriod(d, span))
        periods.push_back(d);
    return periods;
}

std::vector<DayValue> spanMedian(const std::vector<LineSummary>& lines, Activity activity, bool wpm,
                                 Span span, const QDate& today) {
    const std::vector<QDate> periods = spanPeriods(lines, span, today);
    std::map<int, std::vector<double>> byPeriod;
    for (const LineSummary& l : lines) {
        if (l.activity != activity) continue;
        const std::optional<double>& v = wpm ? l.wpm : l.accuracy;
        const int i = periodIndex(periods, l.day, span, today);
        if (v && i >= 0) byPeriod[i].push_back(*v);
    }
    std::vector<DayValue> out;
    for (auto& [i, values] : byPeriod)
        out.push_back({periods[static_cast<std::size_t>(i)], median(values)});
    return out;
}

SpanFigures spanFigures(const std::vector<LineSummary>& lines, Span span, const QDate& today) {
    SpanFigures f;
    f.periods = spanPeriods(lines, span, today);
    f.wordWpm = spanMedian(lines, Activity::Word, true, span, today);
    f.timedWpm = spanMedian(lines, Activity::Timed, true, span, today);
    f.wordAccuracy = spanMedian(lines, Activity::Word, false, span, today);
    f.characterAccuracy = spanMedian(lines, Activity::Character, false, span, today);
    f.timedAccuracy = spanMedian(lines, Activity::Timed, false, span, today);
    f.minutes = minutesPerSpan(lines, span, today);
    f.totalMinutes = totalMinutes(lines);
    return f;
}

std::vector<DayValue> minutesPerSpan(const std::vector<LineSummary>& lines, Span span,
                                     const QDate& today) {
    const std::vector<QDate> periods = spanPeriods(lines, span, today);
    std::vector<DayValue> out;
    out.reserve(periods.size());
    for (const QDate& p : periods)
        out.push_back({p, 0.0});
    for (const LineSummary& l : lines) {
        const int i = periodIndex(periods, l.day, span, today);
        if (i >= 0) out[static_cast<std::size_t>(i)].value += l.ms / 60000.0;
    }
    return out;
}

std::vector<std::vector<DayValue>> consecutiveRuns(const std::vector<DayValue>& values, Span span) {
    std::vector<std::vector<DayValue>> runs;
    for (const DayValue& v : values) {
        if (runs.empty() || nextPeriod(runs.back().back().day, span) != v.day) runs.emplace_back();
        runs.back().push_back(v);
    }
    return runs;
}

Span defaultSpan(const std::vector<LineSummary>& lines, const QDate& today, double plotWidthPx) {
    QDate first = today;
    for (const LineSummary& l : lines)
        if (l.day.isValid()) first = std::min(first, l.day);
    for (Span span : {Span::FourWeeks, Span::SixMonths}) {
        const std::vector<QDate> periods = spanPeriods(lines, span, today);
        if (first >= periods.front() && plotWidthPx / double(periods.size()) >= kMinPointGapPx)
            return span;
    }
    return Span::All;
}

AxisBounds accuracyBounds(const std::vector<double>& values, int maxLabels) {
    constexpr double kMargin = 5; // percentage points beyond the data, either side
    double lo = 0, hi = 100;      // without data: all of it
    if (!values.empty()) {
        lo = *std::min_element(values.begin(), values.end());
        hi = *std::max_element(values.begin(), values.end());
    }
    return firstThatFits({5, 10, 20, 25, 50}, maxLabels, [&](double step) {
        const double min = std::max(0.0, std::floor((lo - kMargin) / step) * step);
        const double max = std::min(100.0, std::ceil((hi + kMargin) / step) * step);
        return AxisBounds{min, std::max(max, min + step), step};
    });
}

AxisBounds countBounds(double top, double least, int maxLabels) {
    constexpr double kHeadroom = 1.1; // a tenth more than the most, at least
    const double want = std::max(top * kHeadroom, least);
    std::vector<double> steps;
    for (double decade = 1; decade <= 1e6; decade *= 10)
        for (double m : {1.0, 2.0, 2.5, 5.0})
            if (m != 2.5 || decade >= 10) steps.push_back(m * decade);
    return firstThatFits(steps, maxLabels, [&](double step) {
        return AxisBounds{0, std::max(step, std::ceil(want / step) * step), step};
    });
}

std::vector<PeriodLabel> periodLabels(const std::vector<QDate>& periods, Span span, int maxLabels) {
    std::vector<PeriodLabel> out;
    const int n = static_cast<int>(periods.size());
    switch (span) {
    case Span::FourWeeks:
        for (int i = n - 1; i >= 0; i -= kDaysInWeek)
            out.insert(out.begin(),
                       {i, periods[static_cast<std::size_t>(i)].toString(QStringLiteral("d MMM"))});
        break;
    case Span::SixMonths:
        for (int i = 0; i < n; ++i) {
            const QDate& monday = periods[static_cast<std::size_t>(i)];
            if (monday.day() <= kDaysInWeek) // the month's first Monday
                out.push_back({i, monday.toString(QStringLiteral("MMM"))});
        }
        break;
    case Span::All: {
        // Every 1, 2, 3 or 6 months, or every 1, 2, 5 or 10 years: the first that fits.
        int every = 120;
        for (int k : {1, 2, 3, 6, 12, 24, 60})
            if ((n + k - 1) / k <= maxLabels) {
                every = k;
                break;
            }
        for (int i = 0; i < n; ++i) {
            const QDate& month = periods[static_cast<std::size_t>(i)];
            if ((month.year() * 12 + month.month() - 1) % every != 0) continue;
            // The year under the first and under each January ("Jul 2026, Oct, Jan 2027"),
            // and under every one when they stand half a year apart: no name twice.
            const bool year = out.empty() || month.month() == 1 || every >= 6;
            out.push_back({i, every >= 12 ? QString::number(month.year())
                                          : month.toString(year ? QStringLiteral("MMM yyyy")
                                                                : QStringLiteral("MMM"))});
        }
        break;
    }
    }
    return out;
}

std::optional<FingerTrouble> weakestFinger(const KeyTables& t, const std::map<int, KeyStats>& keys,
                                           int minPresses) {
    struct Finger {
        int presses = 0, misses = 0;
        std::vector<const KeyStats*> keys;
    };
    std::map<std::pair<int, int>, Finger> fingers;
    for (const auto& [key, stats] : keys) {
        if (key < kFirstKey || key > kLastKey - 1 || key == kLeftShiftKey) continue;
        const int hand = t.KeyHand(key, 1);
        const int finger = t.KeyHand(key, 2);
        if (hand < 1 || hand > 2 || finger < 1 || finger > 4) continue;
        Finger& f = fingers[{hand, finger}];
        f.presses += stats.presses;
        f.misses += stats.misses;
        f.keys.push_back(&stats);
    }
    std::optional<FingerTrouble> worst;
    for (auto& [id, f] : fingers) {
        if (f.presses < minPresses || f.misses == 0) continue;
        const double rate = double(f.misses) / f.presses;
        if (worst && rate <= worst->errorRate) continue;
        std::stable_sort(f.keys.begin(), f.keys.end(), [](const KeyStats* a, const KeyStats* b) {
            return a->misses > b->misses;
        });
        FingerTrouble trouble{id.first, id.second, rate, {}};
        for (const KeyStats* k : f.keys)
            if (k->misses > 0 && trouble.keys.size() < kMaxFingerKeys)
                trouble.keys.push_back(k->key);
        worst = trouble;
    }
    return worst;
}

std::vector<int> keysBetterThisWeek(const KeyTables& t, const std::vector<Press>& newestFirst,
                                    const QDate& today, int minPresses) {
    const QDate weekStart = today.addDays(1 - kDaysInWeek);
    std::map<int, Tally> week, before;
    for (std::size_t i = 0; i < newestFirst.size(); ++i) {
        const Press& p = newestFirst[i];
        const int key = keyOfCharacter(t, p.expected);
        if (key == 0) continue;
        Tally& tally = p.day >= weekStart ? week[key] : before[key];
        if (tally.stats.presses < kRecentPresses) add(tally, p, i);
    }
    std::vector<std::pair<double, int>> better;
    for (const auto& [key, now] : week) {
        const auto old = before.find(key);
        if (old == before.end()) continue;
        if (now.stats.presses < minPresses || old->second.stats.presses < minPresses) continue;
        const double gain = old->second.stats.errorRate() - now.stats.errorRate();
        if (gain >= kClearlyBetter) better.emplace_back(gain, key);
    }
    std::sort(better.begin(), better.end(), std::greater<>());
    std::vector<int> keys;
    for (const auto& b : better)
        keys.push_back(b.second);
    return keys;
}

std::optional<LineSummary> bestLine(const std::vector<LineSummary>& lines) {
    std::optional<LineSummary> best;
    for (const LineSummary& l : lines) {
        if ((l.activity != Activity::Word && l.activity != Activity::Timed) || !l.wpm) continue;
        if (!best || *l.wpm > *best->wpm) best = l;
    }
    return best;
}

std::map<int, QDate> lessonsFinished(const std::vector<LineSummary>& lines) {
    std::map<int, QDate> out;
    for (const LineSummary& l : lines) {
        if (l.activity != Activity::Lesson) continue;
        const int row = rowOfWord(l.rows);
        if (row < kHomeRow || row > kNumberRow) continue;
        QDate& last = out[row];
        if (!last.isValid() || l.day > last) last = l.day;
    }
    return out;
}

double totalMinutes(const std::vector<LineSummary>& lines) {
    double ms = 0;
    for (const LineSummary& l : lines)
        ms += static_cast<double>(l.ms);
    return ms / 60000.0;
}

double trickyWeight(const KeyStats* stats) {
    const int presses = stats ? stats->presses : 0;
    const int misses = stats ? stats->misses : 0;
    return (misses + 1.0) / (presses + 10.0);
}

bool isSecure(const KeyStats* stats) {
    return stats && stats->presses >= kSecurePresses && stats->errorRate() <= kSecureRate;
}

} // namespace tapwell::progress
