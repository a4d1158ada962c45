// The numbers behind the progress window and the Tricky Keys drill, on small records
// whose answers are known.
#include "progress/stats.h"
#include "progresswindow/progresswords.h"
#include "shipped.h"

#include <QtTest>
#include <memory>

#include <ctime>

using namespace tapwell;
using namespace tapwell::progress;

namespace {

const QDate kToday(2026, 12, 8);

// n presses of expected, the first `misses` of them typed as `instead`, on a day.
void press(std::vector<Press>& out, int expected, int n, int misses, int instead,
           const QDate& day = kToday) {
    for (int i = 0; i < n; ++i)
        out.push_back({expected, i < misses ? instead : expected, day});
}

LineSummary line(const QDate& day, const char* activity, std::optional<double> wpm,
                 std::optional<double> accuracy, qint64 ms = 60'000, const char* rows = "home") {
    return {
        day, *activityNamed(QLatin1String(activity)), QString::fromLatin1(rows), wpm, accuracy, ms,
        {}};
}

} // namespace

class TestStats : public QObject {
    Q_OBJECT
private slots:
    void keyStatsCountOnlyTheLastPressesOfEachKey();
    void dailyMediansLeaveGaps();
    void minutesPerDayCoverThirtyDays();
    void spansGroupByDayWeekAndMonth();
    void spanMediansAreOfTheLines();
    void theDefaultSpanHoldsTheRecord();
    void axesHoldTheDataAtRoundNumbers();
    void periodNamesNeverCrowdNorRepeat();
    void theWeakestFingerInWords();
    void keysThatGotBetterThisWeek();
    void bestLineAndLessons();
    void whatTheWindowSaysInWords();
    void aRetryIsNotAnotherTimeAndTiesAreSaid();
    void daysAreTheFamilysOwn_data();
    void daysAreTheFamilysOwn();
    void trickyWeightsAndSecureKeys_data();
    void trickyWeightsAndSecureKeys();
};

void TestStats::keyStatsCountOnlyTheLastPressesOfEachKey() {
    auto t = test::stateWithKeyData();
    std::vector<Press> presses;
    press(presses, 'w', 100, 30, 'e'); // the newest hundred: 30 misses, typed as e
    press(presses, 'w', 50, 50, 'q');  // older: all missed, beyond the last hundred
    press(presses, 'W', 10, 10, 'Q');  // more than a hundred back still: W is on the w key
    press(presses, ' ', 4, 1, 'x');
    const auto stats = keyStats(*t, presses);
    const KeyStats& w = stats.at(keyOfCharacter(*t, 'w'));
    QCOMPARE(w.presses, kRecentPresses);
    QCOMPARE(w.misses, 30);
    QCOMPARE(w.instead, std::vector<int>{'e'});
    QCOMPARE(w.insteadCount, 30);
    QCOMPARE(w.errorRate(), 0.3);
    QCOMPARE(stats.at(kSpaceBarKey).misses, 1);
    QVERIFY(!stats.count(keyOfCharacter(*t, 'a'))); // never asked for: no numbers, grey on the map
    QCOMPARE(keyOfCharacter(*t, '!'), keyOfCharacter(*t, '1'));

    // A key's record is of the layout it was typed on: on a German keyboard the US lines
    // count for nothing, and the German ones for the German keys.
    auto de = std::make_shared<LayoutKeys>();
    de->name = "de";
    de->chars[U'ö'] = {keyOfCharacter(*t, ';'), 0, kHomeRow};
    de->chars[U'w'] = {keyOfCharacter(*t, 'w'), 0, kTopRow};
    std::vector<Press> german;
    press(german, U'ö', 4, 2, 'p');
    for (Press& p : german)
        p.keyboard = keyboardTag(QStringLiteral("de"));
    german.insert(german.end(), presses.begin(), presses.end());
    t->layout = de;
    const auto onGerman = keyStats(*t, german);
    QCOMPARE(onGerman.size(), std::size_t{1});
    QCOMPARE(onGerman.at(keyOfCharacter(*t, U'ö')).misses, 2);
    t->layout = nullptr;
    QCOMPARE(keyStats(*t, german).count(keyOfCharacter(*t, ';')), std::size_t{0});
}

void TestStats::dailyMediansLeaveGaps() {
    const QDate d1(2026, 12, 1), d2(2026, 12, 2), d4(2026, 12, 4);
    const std::vector<LineSummary> lines = {line(d1, "word", 10, 90),
                                            line(d1, "word", 30, 80),
                                            line(d1, "word", 20, 100),
                                            line(d2, "word", 12, 95),
                                            line(d2, "word", 14, 85),
                                            line(d4, "word", 40, 100),
                                            line(d4, "character", std::nullopt, 50),
                                            line(d2, "timed", 99, std::nullopt)};
    const auto wpm = dailyMedian(lines, Activity::Word, true);
    QCOMPARE(wpm.size(), std::size_t(3)); // December 3rd has no line: no point, not a zero
    QCOMPARE(wpm[0].value, 20.0);
    QCOMPARE(wpm[1].value, 13.0); // an even count: the middle two averaged
    const auto runs = consecutiveRuns(wpm);
    QCOMPARE(runs.size(), std::size_t(2));
    QCOMPARE(runs[0].size(), std::size_t(2));
    const auto accuracy = dailyMedian(lines, Activity::Character, false);
    QCOMPARE(accuracy.size(), std::size_t(1));
    QCOMPARE(accuracy[0].value, 50.0);
}

void TestStats::minutesPerDayCoverThirtyDays() {
    const std::vector<LineSummary> lines = {line(kToday, "word", 1, 1, 90'000),
                                            line(kToday, "practice", {}, {}, 30'000),
                                            line(kToday.addDays(-29), "timed", 5, {}, 60'000),
                                            line(kToday.addDays(-30), "timed", 5, {}, 60'000)};
    const auto minutes = minutesPerDay(lines, kToday);
    QCOMPARE(minutes.size(), std::size_t(30));
    QCOMPARE(minutes.front().day, kToday.addDays(-29));
    QCOMPARE(minutes.front().value, 1.0);
    QCOMPARE(minutes.back().value, 2.0);
    QCOMPARE(minutes[10].value, 0.0);
}

void TestStats::spansGroupByDayWeekAndMonth() {
    // Weeks run Monday to Sunday; months are calendar months. kToday is a Tuesday.
    QCOMPARE(periodStart(kToday, Span::SixMonths), QDate(2026, 12, 7));
    QCOMPARE(periodStart(QDate(2026, 12, 6), Span::SixMonths), QDate(2026, 11, 30)); // a Sunday
    QCOMPARE(periodStart(QDate(2026, 12, 7), Span::SixMonths), QDate(2026, 12, 7));  // a Monday
    QCOMPARE(periodStart(QDate(2026, 12, 31), Span::All), QDate(2026, 12, 1));
    QCOMPARE(periodStart(QDate(2027, 1, 1), Span::SixMonths), QDate(2026, 12, 28));

    const auto days = spanPeriods({}, Span::FourWeeks, kToday);
    QCOMPARE(days.size(), std::size_t(28));
    QCOMPARE(days.back(), kToday);
    const auto weeks = spanPeriods({}, Span::SixMonths, kToday);
    QCOMPARE(weeks.size(), std::size_t(26));
    QCOMPARE(weeks.back(), QDate(2026, 12, 7));
    for (const QDate& monday : weeks)
        QCOMPARE(monday.dayOfWeek(), 1);
    // All: from the record's first month, and at least six months.
    auto months = spanPeriods({line(QDate(2025, 11, 30), "word", 20, 90)}, Span::All, kToday);
    QCOMPARE(months.size(), std::size_t(14));
    QCOMPARE(months.front(), QDate(2025, 11, 1));
    QCOMPARE(months.back(), QDate(2026, 12, 1));
    months = spanPeriods({line(kToday, "word", 20, 90)}, Span::All, kToday);
    QCOMPARE(months.size(), std::size_t(6));
    QCOMPARE(months.front(), QDate(2026, 7, 1));

    // Minutes in each period, zeros included; a line outside the span counts in none.
    const std::vector<LineSummary> lines = {
        line(QDate(2026, 11, 29), "word", 1, 1, 60'000), // a Sunday: the week of 23 November
        line(QDate(2026, 11, 30), "word", 1, 1, 120'000), line(QDate(2026, 12, 6), "timed", 1, {}),
        line(kToday, "practice", {}, {}, 30'000),         line(kToday.addDays(1), "word", 1, 1),
        line(kToday.addDays(-28), "word", 1, 1)};
    const auto perWeek = minutesPerSpan(lines, Span::SixMonths, kToday);
    QCOMPARE(perWeek.size(), std::size_t(26));
    QCOMPARE(perWeek[23].day, QDate(2026, 11, 23));
    QCOMPARE(perWeek[23].value, 1.0);
    QCOMPARE(perWeek[24].value, 3.0); // Monday 30 November to Sunday 6 December
    QCOMPARE(perWeek[25].value, 0.5); // today; tomorrow's line counts nowhere
    const auto perMonth = minutesPerSpan(lines, Span::All, kToday);
    QCOMPARE(perMonth.back().value, 1.5);
    QCOMPARE(perMonth[perMonth.size() - 2].value, 4.0); // November's three
    const auto perDay = minutesPerSpan(lines, Span::FourWeeks, kToday);
    QCOMPARE(perDay.front().value, 0.0); // 28 days back is outside the four weeks
    QCOMPARE(perDay.back().value, 0.5);
}

void TestStats::spanMediansAreOfTheLines() {
    // The week of 30 November: 30, 40 and 50 on the Monday, 100 on the Tuesday. The median
    // of its four lines is 45 (the middle two averaged), not the middle of its days' medians.
    const QDate monday(2026, 11, 30);
    const std::vector<LineSummary> lines = {
        line(monday, "word", 30, 90),
        line(monday, "word", 40, 90),
        line(monday, "word", 50, 90),
        line(monday.addDays(1), "word", 100, 80),
        line(monday.addDays(-1), "word", 7, 1), // Sunday: the week before
        line(monday.addDays(-21), "word", 9, 1),
        line(kToday, "character", {}, 99)};
    const auto weeks = spanMedian(lines, Activity::Word, true, Span::SixMonths, kToday);
    QCOMPARE(weeks.size(), std::size_t(3));
    QCOMPARE(weeks[0].day, monday.addDays(-21));
    QCOMPARE(weeks[1].day, monday.addDays(-7));
    QCOMPARE(weeks[1].value, 7.0);
    QCOMPARE(weeks[2].day, monday);
    QCOMPARE(weeks[2].value, 45.0);
    // The week three back, a gap, then two weeks in a row.
    const auto runs = consecutiveRuns(weeks, Span::SixMonths);
    QCOMPARE(runs.size(), std::size_t(2));
    QCOMPARE(runs[1].size(), std::size_t(2));
    const auto accuracy = spanMedian(lines, Activity::Word, false, Span::SixMonths, kToday);
    QCOMPARE(accuracy.back().value, 90.0);

    // Months: 30 November and 1 December are two; months in a row make one run.
    const auto months = spanMedian(lines, Activity::Word, true, Span::All, kToday);
    QCOMPARE(months.size(), std::size_t(2));
    QCOMPARE(months[0].day, QDate(2026, 11, 1));
    QCOMPARE(months[0].value, 30.0); // 9 7 30 40 50
    QCOMPARE(months[1].day, QDate(2026, 12, 1));
    QCOMPARE(months[1].value, 100.0);
    QCOMPARE(consecutiveRuns(months, Span::All).size(), std::size_t(1));
    QCOMPARE(
        consecutiveRuns({{QDate(2026, 1, 1), 1}, {QDate(2026, 2, 1), 2}, {QDate(2026, 4, 1), 3}},
                        Span::All)
            .size(),
        std::size_t(2));
    // Days: the four weeks leave out what is older.
    QCOMPARE(spanMedian(lines, Activity::Word, true, Span::FourWeeks, kToday).size(),
             std::size_t(3));
}

void TestStats::theDefaultSpanHoldsTheRecord() {
    const auto record = [](int days) {
        std::vector<LineSummary> lines;
        for (int d = 0; d < days; ++d)
            lines.push_back(line(kToday.addDays(-d), "word", 20, 95));
        return lines;
    };
    QCOMPARE(defaultSpan({}, kToday, 460), Span::FourWeeks);
    QCOMPARE(defaultSpan(record(7), kToday, 460), Span::FourWeeks);
    QCOMPARE(defaultSpan(record(28), kToday, 460), Span::FourWeeks);
    QCOMPARE(defaultSpan(record(29), kToday, 460), Span::SixMonths);
    QCOMPARE(defaultSpan(record(42), kToday, 460), Span::SixMonths);
    QCOMPARE(defaultSpan(record(365), kToday, 460), Span::All);
    // Too narrow a plot for a point a day (fewer than 4 pixels apart): weeks, or months.
    QCOMPARE(defaultSpan(record(7), kToday, 110), Span::SixMonths);
    QCOMPARE(defaultSpan(record(7), kToday, 80), Span::All);
}

void TestStats::axesHoldTheDataAtRoundNumbers() {
    const auto holds = [](const AxisBounds& b, double lo, double hi) {
        return b.min <= lo && b.max >= hi && std::fmod(b.min, b.step) == 0 &&
               std::fmod(b.max, b.step) == 0 && b.labels() <= 6 && b.labels() >= 2;
    };
    // Accuracy: the data's range with a margin, never past 100, every 5 or 10 when it can.
    AxisBounds a = accuracyBounds({80, 100, 92});
    QVERIFY(holds(a, 80, 100));
    QCOMPARE(a.max, 100.0);
    QVERIFY(a.min >= 70 && a.min < 80);
    QVERIFY(a.step == 5 || a.step == 10);
    a = accuracyBounds({96, 97.5});
    QVERIFY(holds(a, 96, 97.5));
    QVERIFY(a.max <= 100 && a.max - a.min <= 15);
    QCOMPARE(a.step, 5.0);
    a = accuracyBounds({3, 100});
    QVERIFY(holds(a, 3, 100));
    QCOMPARE(a.min, 0.0);
    QVERIFY(std::fmod(a.step, 5) == 0);
    a = accuracyBounds({});
    QCOMPARE(a.min, 0.0);
    QCOMPARE(a.max, 100.0);
    // Counts from nothing to a little above the most.
    AxisBounds c = countBounds(40, 10);
    QVERIFY(holds(c, 0, 44));
    QCOMPARE(c.min, 0.0);
    QVERIFY(c.max <= 60);
    c = countBounds(0, 5);
    QVERIFY(holds(c, 0, 5));
    c = countBounds(2600, 5);
    QVERIFY(holds(c, 0, 2860));
}

void TestStats::periodNamesNeverCrowdNorRepeat() {
    auto periods = spanPeriods({}, Span::FourWeeks, kToday);
    auto labels = periodLabels(periods, Span::FourWeeks);
    QCOMPARE(labels.size(), std::size_t(4));
    QCOMPARE(labels.back().index, 27);
    QCOMPARE(labels.back().text, QStringLiteral("8 Dec"));
    QCOMPARE(labels.front().index, 6);

    periods = spanPeriods({}, Span::SixMonths, kToday);
    labels = periodLabels(periods, Span::SixMonths);
    QCOMPARE(labels.back().text, QStringLiteral("Dec")); // the week of Monday 7 December
    QCOMPARE(labels.back().index, 25);

    // Two years and more of months: a few names, each once.
    for (int years : {1, 2, 3, 8, 30}) {
        periods = spanPeriods({line(kToday.addYears(-years), "word", 1, 1)}, Span::All, kToday);
        labels = periodLabels(periods, Span::All);
        QVERIFY2(labels.size() >= 2 && labels.size() <= 5, qPrintable(QString::number(years)));
        QSet<QString> seen;
        for (const PeriodLabel& l : labels) {
            QVERIFY2(!seen.contains(l.text), qPrintable(l.text));
            seen.insert(l.text);
        }
    }
    QCOMPARE(periodLabels(spanPeriods({}, Span::All, kToday), Span::All).front().text,
             QStringLiteral("Jul 2026"));
}

void TestStats::theWeakestFingerInWords() {
    auto t = test::stateWithKeyData();
    std::vector<Press> presses;
    press(presses, 'w', 30, 9, 'e'); // left ring: w s x
    press(presses, 's', 30, 6, 'a');
    press(presses, 'x', 30, 3, 'z');
    press(presses, 'j', 60, 6, 'k'); // right index: fewer misses for its presses
    press(presses, 'q', 5, 5, 'w');  // left little: too few presses to judge
    const auto finger = weakestFinger(*t, keyStats(*t, presses));
    QVERIFY(finger);
    QCOMPARE(finger->hand, 1);
    QCOMPARE(finger->finger, 2);
    QCOMPARE(fingerSentence(*t, *finger),
             QStringLiteral("Your left ring finger misses most: W S X"));
    QVERIFY(!weakestFinger(*t, keyStats(*t, {})));
}

void TestStats::keysThatGotBetterThisWeek() {
    auto t = test::stateWithKeyData();
    std::vector<Press> presses;
    press(presses, 'd', 20, 0, 'f');                     // this week: no misses
    press(presses, 'k', 20, 5, 'l');                     // this week: as bad as before
    press(presses, 'd', 20, 8, 'f', kToday.addDays(-9)); // before: 40% missed
    press(presses, 'k', 20, 5, 'l', kToday.addDays(-9));
    const auto better = keysBetterThisWeek(*t, presses, kToday);
    QCOMPARE(better.size(), std::size_t(1));
    QCOMPARE(better[0], keyOfCharacter(*t, 'd'));
}

void TestStats::bestLineAndLessons() {
    const std::vector<LineSummary> lines = {line(kToday, "word", 21, 100),
                                            line(kToday, "timed", 33, {}),
                                            line(kToday, "character", {}, 100),
                                            line(kToday.addDays(-3), "lesson", {}, {}, 1, "top"),
                                            line(kToday.addDays(-1), "lesson", {}, {}, 1, "top"),
                                            line(kToday, "lesson", {}, {}, 1, "home")};
    const auto best = bestLine(lines);
    QVERIFY(best);
    QCOMPARE(*best->wpm, 33.0);
    const auto lessons = lessonsFinished(lines);
    QCOMPARE(lessons.size(), std::size_t(2));
    QCOMPARE(lessons.at(kTopRow), kToday.addDays(-1));
    QVERIFY(!bestLine({}));
}

void TestStats::whatTheWindowSaysInWords() {
    auto t = test::stateWithKeyData();
    // A key's tooltip: the most frequent wrong character by the key a child finds it on.
    std::vector<Press> presses;
    press(presses, 'd', 84, 12, 'e');
    press(presses, 'd', 4, 4, 'f', kToday.addDays(-1)); // older, fewer: not the most often
    press(presses, 'k', 3, 0, 0);
    press(presses, ' ', 1, 1, 13);
    press(presses, 'j', 2, 2, '`'); // a character without a key of ours
    const auto stats = keyStats(*t, presses);
    QCOMPARE(keyTooltip(*t, &stats.at(keyOfCharacter(*t, 'd'))),
             QStringLiteral("Came up 88 times, missed 16 times; most often typed instead: E"));
    QCOMPARE(keyTooltip(*t, &stats.at(keyOfCharacter(*t, 'k'))),
             QStringLiteral("Came up 3 times, never missed"));
    QCOMPARE(keyTooltip(*t, &stats.at(kSpaceBarKey)),
             QStringLiteral("Came up once, missed once; most often typed instead: Enter"));
    QCOMPARE(keyTooltip(*t, &stats.at(keyOfCharacter(*t, 'j'))),
             QStringLiteral("Came up 2 times, missed 2 times; most often typed instead: `"));
    QCOMPARE(keyTooltip(*t, nullptr), QStringLiteral("Never asked for yet"));

    QCOMPARE(betterSentence(*t, {keyOfCharacter(*t, 'd'), keyOfCharacter(*t, ';')}),
             QStringLiteral("These keys got better this week: D ;"));
    QCOMPARE(betterSentence(*t, {kSpaceBarKey}),
             QStringLiteral("This key got better this week: Space"));
    QVERIFY(betterSentence(*t, {}).isEmpty());

    QCOMPARE(bestLineSentence(line(kToday, "word", 32.5, 100)),
             QStringLiteral("Your best line: 33 words per minute in the Word Drill, on 8 December "
                            "2026"));
    QCOMPARE(
        totalMinutes({line(kToday, "word", 1, 1, 90'000), line(kToday, "timed", 1, {}, 30'000)}),
        2.0);
    QCOMPARE(totalMinutes({}), 0.0);

    // The charts in words: the latest day, and this week against the three before.
    const auto words = chartWords(spanFigures({line(kToday.addDays(-20), "word", 10, 90),
                                               line(kToday.addDays(-15), "timed", 30, {}),
                                               line(kToday.addDays(-10), "character", {}, 96),
                                               line(kToday.addDays(-3), "word", 14, 95),
                                               line(kToday.addDays(-1), "character", {}, 96.4),
                                               line(kToday, "timed", 25, {}, 90'000)},
                                              Span::FourWeeks, kToday),
                                  kToday);
    QCOMPARE(words.speed,
             QStringLiteral("Word Drill: 14 words per minute on 5 December, up from 10 over the "
                            "last 4 weeks. Timed Drill: 25 words per minute today, down from 30 "
                            "over the last 4 weeks."));
    QCOMPARE(words.accuracy,
             QStringLiteral("Word Drill: 95% on 5 December, up from 90 over the last 4 weeks. "
                            "Character Drill: 96% yesterday, steady over the last 4 weeks."));
    QCOMPARE(words.minutes, QStringLiteral("This week: 3 minutes.")); // since Monday the 7th
    const auto none = chartWords(
        spanFigures({line(kToday.addDays(-30), "word", 10, 90)}, Span::FourWeeks, kToday), kToday);
    QCOMPARE(none.speed, QStringLiteral("Nothing typed in the last 4 weeks."));
    QCOMPARE(none.minutes, QStringLiteral("Nothing typed this week yet."));
}

void TestStats::aRetryIsNotAnotherTimeAndTiesAreSaid() {
    auto t = test::stateWithKeyData();
    // One line, newest key first as the store gives them: q missed twice then typed, then
    // q again typed at once; w missed as e, s and d once each, retried, then right.
    using Key = Store::RecentKey;
    const QString at = QStringLiteral("2026-12-08T09:00:00.000Z");
    const std::vector<Key> keys = {
        {'w', 'w', at, 1}, {'w', 'd', at, 1}, {'w', 's', at, 1}, {'w', 'e', at, 1},
        {'q', 'q', at, 1}, {'q', 'q', at, 1}, {'q', 'a', at, 1}, {'q', 'a', at, 1},
        {'q', 'q', at, 2}, {'q', 'a', at, 2}, // another line: its q is not a retry of this one
    };
    const auto stats = keyStats(*t, pressesOf(keys));
    const KeyStats& q = stats.at(keyOfCharacter(*t, 'q'));
    QCOMPARE(q.presses, 3); // twice in the first line, once in the other
    QCOMPARE(q.misses, 2);
    const KeyStats& w = stats.at(keyOfCharacter(*t, 'w'));
    QCOMPARE(w.presses, 1);
    QCOMPARE(w.misses, 1);
    // e, s and d tie: all three, in the order they were typed.
    QCOMPARE(w.instead, (std::vector<int>{'e', 's', 'd'}));
    QCOMPARE(keyTooltip(*t, &w),
             QStringLiteral("Came up once, missed once; most often typed instead: E, S or D"));
    // Four that tie say nothing of what was typed instead.
    std::vector<Press> four;
    for (int c : {'a', 's', 'd', 'f'})
        four.push_back({'j', c, kToday});
    const KeyStats j = keyStats(*t, four).at(keyOfCharacter(*t, 'j'));
    QVERIFY(j.instead.empty());
    QCOMPARE(keyTooltip(*t, &j), QStringLiteral("Came up 4 times, missed 4 times"));
}

void TestStats::daysAreTheFamilysOwn_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("started"); // UTC, as the record keeps it
    QTest::addColumn<QDate>("day");
    QTest::newRow("after dinner in Los Angeles")
        << QByteArray("America/Los_Angeles") << QStringLiteral("2026-12-09T05:00:00.000Z")
        << QDate(2026, 12, 8);
    QTest::newRow("breakfast in Auckland")
        << QByteArray("Pacific/Auckland") << QStringLiteral("2026-12-08T19:30:00.000Z")
        << QDate(2026, 12, 9);
    QTest::newRow("London, on UTC")
        << QByteArray("Europe/London") << QStringLiteral("2026-12-08T23:59:59.999Z")
        << QDate(2026, 12, 8);
}

void TestStats::daysAreTheFamilysOwn() {
    QFETCH(QByteArray, zone);
    QFETCH(QString, started);
    QFETCH(QDate, day);
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    QCOMPARE(localDayOf(started), day);
    Store::StoredLine l;
    l.line.started = started;
    QCOMPARE(summariesOf({l}).front().day, day);
    QCOMPARE(pressesOf({{'a', 'a', started, 1}}).front().day, day);
    qputenv("TZ", before);
    tzset();
}

void TestStats::trickyWeightsAndSecureKeys_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("misses");
    QTest::addColumn<double>("weight");
    QTest::addColumn<bool>("secure");
    QTest::newRow("never seen") << 0 << 0 << 0.1 << false;
    QTest::newRow("one early slip") << 1 << 1 << 2.0 / 11 << false;
    QTest::newRow("often missed") << 90 << 45 << 46.0 / 100 << false;
    QTest::newRow("secure: 5% over 20") << 20 << 1 << 2.0 / 30 << true;
    QTest::newRow("good but too few presses") << 19 << 0 << 1.0 / 29 << false;
}

void TestStats::trickyWeightsAndSecureKeys() {
    QFETCH(int, presses);
    QFETCH(int, misses);
    QFETCH(double, weight);
    QFETCH(bool, secure);
    KeyStats k;
    k.presses = presses;
    k.misses = misses;
    const KeyStats* stats = presses > 0 ? &k : nullptr;
    QCOMPARE(trickyWeight(stats), weight);
    QCOMPARE(isSecure(stats), secure);
}

QTEST_MAIN(TestStats)
#include "test_stats.moc"
