// What My Progress suggests a parent does next, on known records.
#include "progress/advice.h"
#include "shipped.h"

#include <QtTest>

using namespace tapwell;
using namespace tapwell::progress;

namespace {

const QDate kToday(2026, 12, 8);

LineSummary lineOn(const QDate& day, Activity activity = Activity::Character,
                   const char* rows = "home") {
    LineSummary l;
    l.day = day;
    l.activity = activity;
    l.rows = QLatin1String(rows);
    return l;
}

} // namespace

class TestAdvice : public QObject {
    Q_OBJECT
private slots:
    void weakKeysFirstThenTheNextLessonThenEveryDay();
};

void TestAdvice::weakKeysFirstThenTheNextLessonThenEveryDay() {
    const auto t = test::stateWithKeyData();
    const auto key = [&](int c) { return keyOfCharacter(*t, c); };
    std::map<int, KeyStats> keys;
    // Every home row key secure.
    for (int p = 1; p <= 12; ++p)
        if (const int c = t->RowChars(kHomeRow, p); c != 0 && c != kEnter)
            keys[key(c)] = {key(c), 40, 1, {}, 0};
    const std::vector<LineSummary> daily = {lineOn(kToday.addDays(-2)), lineOn(kToday.addDays(-1)),
                                            lineOn(kToday)};
    std::map<int, QDate> lessons{{kHomeRow, kToday}};

    // Q missed 8 times in 20 and ; 3 in 20 (a key asked for less is not judged yet):
    // Tricky Keys, worst first, with the rows they are on.
    keys[key('q')] = {key('q'), 20, 8, {}, 0};
    keys[key(';')] = {key(';'), 40, 6, {}, 0};
    keys[key('p')] = {key('p'), 5, 5, {}, 0};
    Suggestion s = suggest(*t, keys, daily, lessons, kToday);
    QCOMPARE(s.kind, Suggestion::Kind::TrickyKeys);
    QCOMPARE(s.keys, (std::vector<int>{key('q'), key(';')}));
    QCOMPARE(s.rows, (std::vector<int>{kHomeRow, kTopRow}));

    // The home row secure and the Top Row lesson not yet taken: that lesson.
    keys.erase(key('q'));
    keys.erase(key('p'));
    keys[key(';')] = {key(';'), 40, 1, {}, 0};
    s = suggest(*t, keys, daily, lessons, kToday);
    QCOMPARE(s.kind, Suggestion::Kind::NextLesson);
    QCOMPARE(s.row, int(kTopRow));

    // Taken already: nothing more to say for a child who types every day...
    lessons[kTopRow] = kToday;
    QCOMPARE(suggest(*t, keys, daily, lessons, kToday).kind, Suggestion::Kind::None);
    // ...and a little every day for one whose days are a week apart, or who stopped.
    const std::vector<LineSummary> weekly = {lineOn(kToday.addDays(-21)),
                                             lineOn(kToday.addDays(-14)), lineOn(kToday)};
    QCOMPARE(suggest(*t, keys, weekly, lessons, kToday).kind, Suggestion::Kind::EveryDay);
    const std::vector<LineSummary> stopped = {lineOn(kToday.addDays(-30)),
                                              lineOn(kToday.addDays(-29))};
    QCOMPARE(suggest(*t, keys, stopped, lessons, kToday).kind, Suggestion::Kind::EveryDay);
    // No line at all: nothing to suggest from.
    QCOMPARE(suggest(*t, keys, {}, lessons, kToday).kind, Suggestion::Kind::None);
}

QTEST_MAIN(TestAdvice)
#include "test_advice.moc"
