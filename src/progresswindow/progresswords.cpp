#include "progresswords.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <set>

namespace tapwell::progress {

QString keyCaption(const KeyTables& t, int key) {
    if (key == kSpaceBarKey) return QStringLiteral("Space");
    if (key == kEnterKey) return QStringLiteral("Enter");
    if (key == kLeftShiftKey || key == kRightShiftKey) return QStringLiteral("Shift");
    return QString::fromStdString(keyCaptionOf(t, key));
}

QString fingerSentence(const KeyTables& t, const FingerTrouble& f) {
    QStringList keys;
    for (int k : f.keys)
        keys << keyCaption(t, k);
    return QStringLiteral("Your %1 %2 finger misses most: %3")
        .arg(QString::fromStdString(t.HandName.at(f.hand)),
             QString::fromStdString(t.FingerName.at(f.finger)), keys.join(QLatin1Char(' ')));
}

QString typedCaption(const KeyTables& t, int code) {
    const int key = keyOfCharacter(t, code);
    if (key != 0) return keyCaption(t, key);
    if (code > kSpace && code < 127) return QString(QChar::fromLatin1(static_cast<char>(code)));
    return QStringLiteral("another key");
}

QString keyTooltip(const KeyTables& t, const KeyStats* stats) {
    if (!stats || stats->presses == 0) return QStringLiteral("Never asked for yet");
    const QString came = stats->presses == 1
                             ? QStringLiteral("Came up once")
                             : QStringLiteral("Came up %1 times").arg(stats->presses);
    if (stats->misses == 0) return came + QStringLiteral(", never missed");
    QString text =
        came + (stats->misses == 1 ? QStringLiteral(", missed once")
                                   : QStringLiteral(", missed %1 times").arg(stats->misses));
    if (!stats->instead.empty()) {
        QStringList typed;
        for (int code : stats->instead)
            typed << typedCaption(t, code);
        const QString last = typed.takeLast();
        text +=
            QStringLiteral("; most often typed instead: %1")
                .arg(typed.isEmpty()
                         ? last
                         : QStringLiteral("%1 or %2").arg(typed.join(QStringLiteral(", ")), last));
    }
    return text;
}

QString betterSentence(const KeyTables& t, const std::vector<int>& keys) {
    if (keys.empty()) return {};
    QStringList captions;
    for (int k : keys)
        captions << keyCaption(t, k);
    return (keys.size() == 1 ? QStringLiteral("This key got better this week: %1")
                             : QStringLiteral("These keys got better this week: %1"))
        .arg(captions.join(QLatin1Char(' ')));
}

QString bestLineSentence(const LineSummary& best) {
    const QString drill = best.activity == Activity::Timed ? QStringLiteral("Timed Drill")
                                                           : QStringLiteral("Word Drill");
    return QStringLiteral("Your best line: %1 words per minute in the %2, on %3")
        .arg(qRound(best.wpm.value_or(0)))
        .arg(drill, best.day.toString(QStringLiteral("d MMMM yyyy")));
}

QString troubleList(const KeyTables& t, const std::map<int, KeyStats>& keys) {
    constexpr std::size_t kNamed = 6;
    std::vector<const KeyStats*> missed;
    for (const auto& [key, stats] : keys)
        if (stats.misses > 0) missed.push_back(&stats);
    if (missed.empty())
        return keys.empty() ? QStringLiteral("No key asked for yet")
                            : QStringLiteral("No key missed yet");
    std::stable_sort(missed.begin(), missed.end(), [](const KeyStats* a, const KeyStats* b) {
        return a->errorRate() > b->errorRate();
    });
    QStringList named;
    for (const KeyStats* k : missed) {
        if (named.size() == static_cast<qsizetype>(kNamed)) break;
        named << QStringLiteral("%1 %2%")
                     .arg(keyCaption(t, k->key))
                     .arg(qRound(100 * k->errorRate()));
    }
    return QStringLiteral("Missed most: %1").arg(named.join(QStringLiteral(", ")));
}

QString openingSentence(const QString& name, const std::vector<LineSummary>& lines) {
    std::set<QDate> days;
    for (const LineSummary& l : lines)
        days.insert(l.day);
    if (lines.empty()) return QStringLiteral("%1's progress: nothing typed yet.").arg(name);
    return QStringLiteral("%1's progress: %2 %3 typed on %4 %5.")
        .arg(name)
        .arg(lines.size())
        .arg(lines.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
        .arg(days.size())
        .arg(days.size() == 1 ? QStringLiteral("day") : QStringLiteral("days"));
}

QString duration(double minutes) {
    const int m = static_cast<int>(std::lround(minutes));
    if (m == 0 && minutes > 0) return QStringLiteral("less than a minute");
    if (m < 60) return m == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(m);
    const int h = m / 60;
    return QStringLiteral("%1 %2 %3 minutes")
        .arg(h)
        .arg(h == 1 ? QStringLiteral("hour") : QStringLiteral("hours"))
        .arg(m % 60);
}

namespace {

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// "Word Drill: 14 words per minute today, up from 10 over the last 4 weeks."; empty for
// an activity not typed in those weeks. The trend sets this week's days against the three
// weeks before; a change that rounds to nothing is steady.
QString latestAndTrend(const char* activity, const std::vector<DayValue>& days, const QDate& today,
                       const char* unit) {
    if (days.empty()) return {};
    const DayValue& last = days.back();
    const qint64 ago = last.day.daysTo(today);
    const QString when = ago == 0 ? QStringLiteral("today")
                         : ago == 1
                             ? QStringLiteral("yesterday")
                             : QStringLiteral("on ") + last.day.toString(QStringLiteral("d MMMM"));
    QString text = QStringLiteral("%1: %2%3 %4")
                       .arg(QLatin1String(activity))
                       .arg(qRound(last.value))
                       .arg(QLatin1String(unit), when);
    std::vector<double> thisWeek, before;
    for (const DayValue& d : days)
        (d.day.daysTo(today) < 7 ? thisWeek : before).push_back(d.value);
    if (!thisWeek.empty() && !before.empty()) {
        const int now = qRound(medianOf(thisWeek));
        const int then = qRound(medianOf(before));
        text += now == then ? QStringLiteral(", steady over the last 4 weeks")
                            : QStringLiteral(", %1 from %2 over the last 4 weeks")
                                  .arg(now > then ? QStringLiteral("up") : QStringLiteral("down"))
                                  .arg(then);
    }
    return text + QLatin1Char('.');
}

QString joined(std::initializer_list<QString> parts) {
    QStringList said;
    for (const QString& p : parts)
        if (!p.isEmpty()) said << p;
    return said.isEmpty() ? QStringLiteral("Nothing typed in the last 4 weeks.")
                          : said.join(QLatin1Char(' '));
}

} // namespace

ChartWords chartWords(const SpanFigures& f, const QDate& today) {
    double week = 0;
    const QDate monday = periodStart(today, Span::SixMonths);
    for (const DayValue& d : f.minutes)
        if (d.day >= monday) week += d.value;
    return {joined({latestAndTrend("Word Drill", f.wordWpm, today, " words per minute"),
                    latestAndTrend("Timed Drill", f.timedWpm, today, " words per minute")}),
            joined({latestAndTrend("Word Drill", f.wordAccuracy, today, "%"),
                    latestAndTrend("Character Drill", f.characterAccuracy, today, "%"),
                    latestAndTrend("Timed Drill", f.timedAccuracy, today, "%")}),
            week > 0 ? QStringLiteral("This week: %1.").arg(duration(week))
                     : QStringLiteral("Nothing typed this week yet.")};
}

namespace {

QString lessonName(int row) {
    static const char* const names[] = {"Home Row", "Top Row", "Bottom Row", "Number Row"};
    return row >= kHomeRow && row <= kNumberRow ? QLatin1String(names[row - kHomeRow]) : QString();
}

} // namespace

QString suggestionSentence(const KeyTables& t, const Suggestion& s) {
    switch (s.kind) {
    case Suggestion::Kind::TrickyKeys: {
        QStringList keys;
        for (int k : s.keys)
            keys << keyCaption(t, k);
        if (keys.isEmpty()) return {};
        const QString last = keys.takeLast();
        return keys.isEmpty() ? QStringLiteral("Try Tricky Keys: %1 needs practice").arg(last)
                              : QStringLiteral("Try Tricky Keys: %1 and %2 need practice")
                                    .arg(keys.join(QStringLiteral(", ")), last);
    }
    case Suggestion::Kind::NextLesson:
        return QStringLiteral("Ready for the %1 lesson").arg(lessonName(s.row));
    case Suggestion::Kind::EveryDay:
        return QStringLiteral("Practise a little every day: 10 minutes is plenty");
    case Suggestion::Kind::None:
        break;
    }
    return {};
}

QString suggestionButton(const Suggestion& s) {
    switch (s.kind) {
    case Suggestion::Kind::TrickyKeys:
        return QStringLiteral("&Go to Tricky Keys");
    case Suggestion::Kind::NextLesson:
        return QStringLiteral("&Go to the %1 lesson").arg(lessonName(s.row));
    case Suggestion::Kind::EveryDay:
        return QStringLiteral("&Go and type");
    case Suggestion::Kind::None:
        break;
    }
    return {};
}

} // namespace tapwell::progress
