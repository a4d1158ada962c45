// What "My Progress" says of the record's numbers, in words a child and a parent read:
// the statistics give numbers and keys; these put them in sentences.
#pragma once

#include "progress/advice.h"
#include "progress/stats.h"
#include "state/keytables.h"

#include <QString>

#include <map>
#include <vector>

namespace tapwell::progress {

// The caption a key shows ("W", "1", "Space").
QString keyCaption(const KeyTables& t, int key);
// A typed character as a child finds it on the keyboard: its key's caption ("E", "Space"),
// or the character itself where no key of ours types it.
QString typedCaption(const KeyTables& t, int code);

// "Your left ring finger misses most: W S X".
QString fingerSentence(const KeyTables& t, const FingerTrouble& f);
// What the trouble map's tooltip says of a key: "Asked for 84 times, missed 12; most often
// typed instead: E"; stats is null for a key never asked for.
QString keyTooltip(const KeyTables& t, const KeyStats* stats);
// "These keys got better this week: D K"; empty when none did.
QString betterSentence(const KeyTables& t, const std::vector<int>& keys);
// "Your best line: 33 words per minute in the Timed Drill, on 8 December 2026".
QString bestLineSentence(const LineSummary& best);
// The trouble map as a list, worst first: "Missed most: Q 40%, semicolon 35%, P 6%"; "No
// key missed yet"; "No key asked for yet".
QString troubleList(const KeyTables& t, const std::map<int, KeyStats>& keys);
// What is said as the window opens: "Maya's progress: 4354 lines typed on 365 days."
QString openingSentence(const QString& name, const std::vector<LineSummary>& lines);
// "25 minutes", "1 hour 5 minutes", "less than a minute".
QString duration(double minutes);

// What the charts say to a child who listens, from the last four weeks day by day
// (spanFigures of FourWeeks) as of `today`: each activity's latest day and whether it went
// up or down over those weeks, and the minutes typed this week.
struct ChartWords {
    QString speed;    // "Word Drill: 14 words per minute today, up from 10 over the last 4 weeks."
    QString accuracy; // "Character Drill: 96% yesterday, steady over the last 4 weeks."
    QString minutes;  // "This week: 25 minutes."
};
ChartWords chartWords(const SpanFigures& fourWeeks, const QDate& today);

// What to do next: "Try Tricky Keys: Q and ; need practice"; empty for none.
QString suggestionSentence(const KeyTables& t, const Suggestion& s);
// The caption of the button that starts it: "&Go to Tricky Keys".
QString suggestionButton(const Suggestion& s);

} // namespace tapwell::progress
