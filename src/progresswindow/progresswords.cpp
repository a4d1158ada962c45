#include "progresswords.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <set>

namespace tapwell::progress {

namespace {

// Between the items of a list: "E, S or D", "Q 40%, P 6%".
QString listSeparator() {
    //: Between the items of a list, as in "E, S or D" and "Q 40%, P 6%".
    return QCoreApplication::translate("ProgressWords", ", ");
}

} // namespace

QString keyCaption(const KeyTables& t, int key) {
    if (key == kSpaceBarKey)
        //: A key's name: the space bar.
        return QCoreApplication::translate("ProgressWords", "Space");
    if (key == kEnterKey)
        //: A key's name.
        return QCoreApplication::translate("ProgressWords", "Enter");
    if (key == kLeftShiftKey || key == kRightShiftKey)
        //: A key's name.
        return QCoreApplication::translate("ProgressWords", "Shift");
    return QString::fromStdString(keyCaptionOf(t, key));
}

QString fingerSentence(const KeyTables& t, const FingerTrouble& f) {
    // By hand (left, right) and finger (little .. index), weakestFinger names no other;
    // %1 is the keys that finger misses most, as "W S X".
    static const char* const sentences[2][4] = {
        {QT_TRANSLATE_NOOP("ProgressWords", "Your left little finger misses most: %1"),
         QT_TRANSLATE_NOOP("ProgressWords", "Your left ring finger misses most: %1"),
         QT_TRANSLATE_NOOP("ProgressWords", "Your left middle finger misses most: %1"),
         QT_TRANSLATE_NOOP("ProgressWords", "Your left index finger misses most: %1")},
        {QT_TRANSLATE_NOOP("ProgressWords", "Your right little finger misses most: %1"),
         QT_TRANSLATE_NOOP("ProgressWords", "Your right ring finger misses most: %1"),
         QT_TRANSLATE_NOOP("ProgressWords", "Your right middle finger misses most: %1"),
         QT_TRANSLATE_NOOP("ProgressWords", "Your right index finger misses most: %1")}};
    if (f.hand < 1 || f.hand > 2 || f.finger < 1 || f.finger > 4) return {};
    QStringList keys;
    for (int k : f.keys)
        keys << keyCaption(t, k);
    return QCoreApplication::translate("ProgressWords", sentences[f.hand - 1][f.finger - 1])
        .arg(keys.join(QLatin1Char(' ')));
}

QString typedCaption(const KeyTables& t, int code) {
    const int key = keyOfCharacter(t, code);
    if (key != 0) return keyCaption(t, key);
    if (code > kSpace && code < 127) return QString(QChar::fromLatin1(static_cast<char>(code)));
    //: What was typed instead of the key asked for, when it is none of the keyboard's keys.
    return QCoreApplication::translate("ProgressWords", "another key");
}

QString keyTooltip(const KeyTables& t, const KeyStats* stats) {
    if (!stats || stats->presses == 0)
        //: A key of the trouble map.
        return QCoreApplication::translate("ProgressWords", "Never asked for yet");
    QString came;
    if (stats->presses == 1)
        //: How often a key of the trouble map was asked for.
        came = QCoreApplication::translate("ProgressWords", "Came up once");
    else
        //: How often a key of the trouble map was asked for.
        came = QCoreApplication::translate("ProgressWords", "Came up %n times", nullptr,
                                           stats->presses);
    if (stats->misses == 0)
        //: %1 is how often the key came up: "Came up 3 times".
        return QCoreApplication::translate("ProgressWords", "%1, never missed").arg(came);
    QString text;
    if (stats->misses == 1)
        //: %1 is how often the key came up: "Came up 3 times".
        text = QCoreApplication::translate("ProgressWords", "%1, missed once").arg(came);
    else
        //: %1 is how often the key came up: "Came up 88 times".
        text = QCoreApplication::translate("ProgressWords", "%1, missed %n times", nullptr,
                                           stats->misses)
                   .arg(came);
    if (!stats->instead.empty()) {
        QStringList typed;
        for (int code : stats->instead)
            typed << typedCaption(t, code);
        QString keys = typed.takeLast();
        if (!typed.isEmpty())
            //: A list of keys: %1 is all but the last ("E, S"), %2 the last ("D").
            keys = QCoreApplication::translate("ProgressWords", "%1 or %2")
                       .arg(typed.join(listSeparator()), keys);
        //: %1 is how often the key came up and was missed: "Came up 88 times, missed 16
        //: times"; %2 is the keys typed instead, as "E" or "E, S or D".
        text = QCoreApplication::translate("ProgressWords", "%1; most often typed instead: %2")
                   .arg(text, keys);
    }
    return text;
}

QString betterSentence(const KeyTables& t, const std::vector<int>& keys) {
    if (keys.empty()) return {};
    QStringList captions;
    for (int k : keys)
        captions << keyCaption(t, k);
    const QString said = captions.join(QLatin1Char(' '));
    const int n = int(keys.size());
    if (n == 1)
        //: %1 is the key, as "Space".
        return QCoreApplication::translate("ProgressWords", "This key got better this week: %1")
            .arg(said);
    //: %1 is the keys, as "D K ;".
    return QCoreApplication::translate("ProgressWords", "These keys got better this week: %1",
                                       nullptr, n)
        .arg(said);
}

QString bestLineSentence(const LineSummary& best) {
    const int wpm = qRound(best.wpm.value_or(0));
    const QString day = best.day.toString(QStringLiteral("d MMMM yyyy"));
    if (best.activity == Activity::Timed)
        //: %1 is the day, as "8 December 2026".
        return QCoreApplication::translate(
                   "ProgressWords", "Your best line: %n words per minute in the Timed Drill, on %1",
                   nullptr, wpm)
            .arg(day);
    //: %1 is the day, as "8 December 2026".
    return QCoreApplication::translate(
               "ProgressWords", "Your best line: %n words per minute in the Word Drill, on %1",
               nullptr, wpm)
        .arg(day);
}

QString troubleList(const KeyTables& t, const std::map<int, KeyStats>& keys) {
    constexpr std::size_t kNamed = 6;
    std::vector<const KeyStats*> missed;
    for (const auto& [key, stats] : keys)
        if (stats.misses > 0) missed.push_back(&stats);
    if (missed.empty() && keys.empty())
        return QCoreApplication::translate("ProgressWords", "No key asked for yet");
    if (missed.empty()) return QCoreApplication::translate("ProgressWords", "No key missed yet");
    std::stable_sort(missed.begin(), missed.end(), [](const KeyStats* a, const KeyStats* b) {
        return a->errorRate() > b->errorRate();
    });
    QStringList named;
    for (const KeyStats* k : missed) {
        if (named.size() == static_cast<qsizetype>(kNamed)) break;
        //: A key and how often it is missed: %1 is the key, %2 the percentage ("Q 40%").
        named << QCoreApplication::translate("ProgressWords", "%1 %2%")
                     .arg(keyCaption(t, k->key))
                     .arg(qRound(100 * k->errorRate()));
    }
    //: %1 is the keys missed most, worst first: "Q 40%, semicolon 35%, P 6%".
    return QCoreApplication::translate("ProgressWords", "Missed most: %1")
        .arg(named.join(listSeparator()));
}

namespace {

// "3 days" in "9 lines typed on 3 days".
QString onDays(std::size_t days) {
    if (days == 1)
        //: As in "9 lines typed on 1 day".
        return QCoreApplication::translate("ProgressWords", "1 day", "typed on");
    //: As in "9 lines typed on 3 days".
    return QCoreApplication::translate("ProgressWords", "%n days", "typed on", int(days));
}

} // namespace

QString openingSentence(const QString& name, const std::vector<LineSummary>& lines) {
    std::set<QDate> days;
    for (const LineSummary& l : lines)
        days.insert(l.day);
    if (lines.empty())
        //: %1 is the child's name.
        return QCoreApplication::translate("ProgressWords", "%1's progress: nothing typed yet.")
            .arg(name);
    if (lines.size() == 1)
        //: %1 is the child's name; %2 is the days, as "1 day".
        return QCoreApplication::translate("ProgressWords", "%1's progress: 1 line typed on %2.")
            .arg(name, onDays(days.size()));
    //: %1 is the child's name; %2 is the days, as "3 days".
    return QCoreApplication::translate("ProgressWords", "%1's progress: %n lines typed on %2.",
                                       nullptr, int(lines.size()))
        .arg(name, onDays(days.size()));
}

QString duration(double minutes) {
    const int m = static_cast<int>(std::lround(minutes));
    if (m == 0 && minutes > 0)
        return QCoreApplication::translate("ProgressWords", "less than a minute");
    if (m == 1) return QCoreApplication::translate("ProgressWords", "1 minute");
    if (m < 60) return QCoreApplication::translate("ProgressWords", "%n minutes", nullptr, m);
    const int h = m / 60;
    // The minutes past the hour as they have always been said, "1 hour 1 minutes" too.
    const QString past =
        QCoreApplication::translate("ProgressWords", "%n minutes", nullptr, m % 60);
    if (h == 1)
        //: A time: %1 is the minutes past the hour, as "5 minutes".
        return QCoreApplication::translate("ProgressWords", "1 hour %1").arg(past);
    //: A time: %1 is the minutes past the hours, as "5 minutes".
    return QCoreApplication::translate("ProgressWords", "%n hours %1", nullptr, h).arg(past);
}

namespace {

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The activities by name, as the charts' legends name them too.
const char* const kWordDrill = QT_TRANSLATE_NOOP("ProgressWords", "Word Drill");
const char* const kCharacterDrill = QT_TRANSLATE_NOOP("ProgressWords", "Character Drill");
const char* const kTimedDrill = QT_TRANSLATE_NOOP("ProgressWords", "Timed Drill");

enum class Unit { WordsPerMinute, Percent };

// "Word Drill: 14 words per minute today, up from 10 over the last 4 weeks."; empty for
// an activity not typed in those weeks. The trend sets this week's days against the three
// weeks before; a change that rounds to nothing is steady.
QString latestAndTrend(const char* activity, const std::vector<DayValue>& days, const QDate& today,
                       Unit unit) {
    if (days.empty()) return {};
    const DayValue& last = days.back();
    const qint64 ago = last.day.daysTo(today);
    const QString name = QCoreApplication::translate("ProgressWords", activity);
    const int latest = qRound(last.value);
    QString value;
    if (unit == Unit::WordsPerMinute)
        value =
            QCoreApplication::translate("ProgressWords", "%n words per minute", nullptr, latest);
    else
        //: An accuracy, as "96%".
        value = QCoreApplication::translate("ProgressWords", "%1%").arg(latest);
    QString text;
    if (ago == 0)
        //: %1 is the activity ("Word Drill"), %2 its latest figure ("14 words per minute").
        text = QCoreApplication::translate("ProgressWords", "%1: %2 today").arg(name, value);
    else if (ago == 1)
        //: %1 is the activity ("Word Drill"), %2 its latest figure ("14 words per minute").
        text = QCoreApplication::translate("ProgressWords", "%1: %2 yesterday").arg(name, value);
    else
        //: %1 is the activity ("Word Drill"), %2 its latest figure ("14 words per minute"),
        //: %3 the day of it ("5 December").
        text = QCoreApplication::translate("ProgressWords", "%1: %2 on %3")
                   .arg(name, value, last.day.toString(QStringLiteral("d MMMM")));
    std::vector<double> thisWeek, before;
    for (const DayValue& d : days)
        (d.day.daysTo(today) < 7 ? thisWeek : before).push_back(d.value);
    if (thisWeek.empty() || before.empty())
        //: The end of a sentence: %1 is all of it, as "Word Drill: 14 words per minute today".
        return QCoreApplication::translate("ProgressWords", "%1.").arg(text);
    const int now = qRound(medianOf(thisWeek));
    const int then = qRound(medianOf(before));
    if (now == then)
        //: %1 is the activity's latest figure, as "Word Drill: 14 words per minute today".
        return QCoreApplication::translate("ProgressWords", "%1, steady over the last 4 weeks.")
            .arg(text);
    if (now > then)
        //: %1 is the activity's latest figure, as "Word Drill: 14 words per minute today";
        //: %2 the figure of the weeks before, as "10".
        return QCoreApplication::translate("ProgressWords", "%1, up from %2 over the last 4 weeks.")
            .arg(text, QString::number(then));
    //: %1 is the activity's latest figure, as "Word Drill: 14 words per minute today";
    //: %2 the figure of the weeks before, as "10".
    return QCoreApplication::translate("ProgressWords", "%1, down from %2 over the last 4 weeks.")
        .arg(text, QString::number(then));
}

QString joined(std::initializer_list<QString> parts) {
    QStringList said;
    for (const QString& p : parts)
        if (!p.isEmpty()) said << p;
    if (said.isEmpty())
        return QCoreApplication::translate("ProgressWords", "Nothing typed in the last 4 weeks.");
    return said.join(QLatin1Char(' '));
}

QString minutesThisWeek(double minutes) {
    if (minutes <= 0)
        return QCoreApplication::translate("ProgressWords", "Nothing typed this week yet.");
    //: %1 is how long, as "25 minutes" or "1 hour 5 minutes".
    return QCoreApplication::translate("ProgressWords", "This week: %1.").arg(duration(minutes));
}

} // namespace

ChartWords chartWords(const SpanFigures& f, const QDate& today) {
    double week = 0;
    const QDate monday = periodStart(today, Span::SixMonths);
    for (const DayValue& d : f.minutes)
        if (d.day >= monday) week += d.value;
    return {joined({latestAndTrend(kWordDrill, f.wordWpm, today, Unit::WordsPerMinute),
                    latestAndTrend(kTimedDrill, f.timedWpm, today, Unit::WordsPerMinute)}),
            joined({latestAndTrend(kWordDrill, f.wordAccuracy, today, Unit::Percent),
                    latestAndTrend(kCharacterDrill, f.characterAccuracy, today, Unit::Percent),
                    latestAndTrend(kTimedDrill, f.timedAccuracy, today, Unit::Percent)}),
            minutesThisWeek(week)};
}

namespace {

// One of four texts, of the lessons' rows home .. number; empty for another row.
QString ofLesson(const char* const (&texts)[4], int row) {
    if (row < kHomeRow || row > kNumberRow) return {};
    return QCoreApplication::translate("ProgressWords", texts[row - kHomeRow]);
}

} // namespace

QString suggestionSentence(const KeyTables& t, const Suggestion& s) {
    static const char* const nextLesson[4] = {
        QT_TRANSLATE_NOOP("ProgressWords", "Ready for the Home Row lesson"),
        QT_TRANSLATE_NOOP("ProgressWords", "Ready for the Top Row lesson"),
        QT_TRANSLATE_NOOP("ProgressWords", "Ready for the Bottom Row lesson"),
        QT_TRANSLATE_NOOP("ProgressWords", "Ready for the Number Row lesson")};
    switch (s.kind) {
    case Suggestion::Kind::TrickyKeys: {
        QStringList keys;
        for (int k : s.keys)
            keys << keyCaption(t, k);
        if (keys.isEmpty()) return {};
        const int n = int(keys.size());
        const QString last = keys.takeLast();
        if (keys.isEmpty())
            //: %1 is a key, as "Q".
            return QCoreApplication::translate("ProgressWords",
                                               "Try Tricky Keys: %1 needs practice")
                .arg(last);
        //: %1 is all the keys but the last, as "Q, P"; %2 the last, as ";".
        return QCoreApplication::translate("ProgressWords",
                                           "Try Tricky Keys: %1 and %2 need practice", nullptr, n)
            .arg(keys.join(listSeparator()), last);
    }
    case Suggestion::Kind::NextLesson:
        return ofLesson(nextLesson, s.row);
    case Suggestion::Kind::EveryDay:
        return QCoreApplication::translate("ProgressWords",
                                           "Practise a little every day: 10 minutes is plenty");
    case Suggestion::Kind::None:
        break;
    }
    return {};
}

QString suggestionButton(const Suggestion& s) {
    static const char* const nextLesson[4] = {
        QT_TRANSLATE_NOOP("ProgressWords", "&Go to the Home Row lesson"),
        QT_TRANSLATE_NOOP("ProgressWords", "&Go to the Top Row lesson"),
        QT_TRANSLATE_NOOP("ProgressWords", "&Go to the Bottom Row lesson"),
        QT_TRANSLATE_NOOP("ProgressWords", "&Go to the Number Row lesson")};
    switch (s.kind) {
    case Suggestion::Kind::TrickyKeys:
        //: A button, beside "Try Tricky Keys: Q and ; need practice".
        return QCoreApplication::translate("ProgressWords", "&Go to Tricky Keys");
    case Suggestion::Kind::NextLesson:
        return ofLesson(nextLesson, s.row);
    case Suggestion::Kind::EveryDay:
        //: A button, beside "Practise a little every day": to the menu, to choose what to type.
        return QCoreApplication::translate("ProgressWords", "&Go and type");
    case Suggestion::Kind::None:
        break;
    }
    return {};
}

} // namespace tapwell::progress
