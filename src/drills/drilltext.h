// The text a child types: random character lines, random word lines and the random
// finger of Keyboard Practice. No widgets here; the window prints what this makes.
#pragma once

#include "services/services.h"
#include "state/say.h"
#include "state/typestate.h"

#include <array>
#include <string>
#include <vector>

namespace tapwell {

// Which row boxes are checked, in lesson row order (index 0 = home row).
using RowChoice = std::array<bool, 4>;

inline constexpr int kCharacterLineLength = 21;

// One of the checked rows, each with equal chance: sets s.Row to 1..4. With no checked
// row found it takes the home row, which always has characters.
void PickRow(TypeState& s, const RowChoice& checked, Random& random);

// Fills LineChars, LineRows and LineLen (without the final Enter) for a Character
// Drill (s.Mode 2) or Word Drill (s.Mode 3) line and returns the line's text.
std::string MakeDrillLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random);

// On a keyboard of another layout, or in another language than English, the words of the
// child's language (key.dat's without one) that can be typed on the checked rows' keys
// alone, the most common first; fewer than kFewestWords, and a Word Drill line is one of
// those rows' characters instead, with kTooFewWordsText said above it.
std::vector<std::u32string> wordsOfRows(const TypeState& s, const RowChoice& checked);
// Where the words come from: key.dat's lists, exactly as on the US keyboard in English.
bool designedWords(const TypeState& s);
// The most common words a line draws from.
inline constexpr std::size_t kMostWords = 300;
inline constexpr std::size_t kFewestWords = 3;
// Said above the line (say("Drills", kTooFewWordsText)).
//: Above a Word Drill line made of the rows' characters, when the child's language has too
//: few words that the chosen rows can type.
inline constexpr const char* kTooFewWordsText =
    QT_TRANSLATE_NOOP("Drills", "This keyboard has too few words for these rows: type their keys.");
bool tooFewWords(const TypeState& s, const RowChoice& checked);

// The random row, hand, finger and shift level of Keyboard Practice.
void PickPracticeFinger(TypeState& s, const RowChoice& checked, bool useShift, Random& random);

} // namespace tapwell
