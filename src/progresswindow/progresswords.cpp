#include "progresswords.h"

#include <QStringList>

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

} // namespace tapwell::progress
