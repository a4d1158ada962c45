// Tricky Keys lines: Character Drill lines that give a child more of the keys they miss.
// About half of a line's characters are drawn in proportion to each key's weight (its
// error rate from the child's record), the rest as a Character Drill draws them; no key
// takes more than a third of a line and no character stands more than twice in a row.
// With no record, or when every key of the chosen rows is secure, the line is a plain
// Character Drill line.
#pragma once

#include "drills/drilltext.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tapwell {

// What the record says of one on-screen key.
struct TrickyKey {
    double weight = 0.1; // (misses + 1) / (presses + 10) over its last presses
    bool secure = false; // 5% or less over at least 20 presses
};

// The child's keys by keyOfCharacter's index (the space bar as kSpaceBarKey); an empty
// map: no record.
using TrickyRecord = std::map<int, TrickyKey>;

// Gives the record of the child who is typing; asked once for each line.
using TrickySource = std::function<TrickyRecord()>;

inline constexpr int kTrickyMaxPerKey = kCharacterLineLength / 3; // a third of a line
inline constexpr int kTrickyMaxRun = 2;                           // the same character

struct TrickyLine {
    std::string text;
    bool allSecure = false;  // every key of the chosen rows is secure
    bool fromRecord = false; // drawn with the record (not a plain line)
    // On-screen keys drawn more often than the line's keys on average, most first (at most
    // three).
    std::vector<int> practisedMost;
};

// Fills LineChars, LineRows and LineLen (without the final Enter) as MakeDrillLine does
// for a Character Drill line.
TrickyLine MakeTrickyLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random,
                          const TrickyRecord& record);

// "Practised: W S X"
std::string practisedText(const KeyTables& t, const std::vector<int>& keys);

// Said above a Tricky Keys line (say("Drills", kAllSecureText)).
//: Above a Tricky Keys line, when no key of the chosen rows is missed any more.
inline constexpr const char* kAllSecureText =
    QT_TRANSLATE_NOOP("Drills", "All your keys are secure! Try a new row.");

} // namespace tapwell
