// The main window's working state: every variable the window's procedures share.
// It comes into being zero or empty when the main window loads and lives until the
// program ends.
#pragma once

#include "keytables.h"
#include "words.h"

#include <cstdint>
#include <string>

namespace tapwell {

enum Mode : int {
    kLearnKeyboard = 0,
    kKeyboardPractice = 1,
    kCharacterDrill = 2,
    kWordDrill = 3,
    kTimedDrill = 4
};

inline constexpr int kLineSlots = 41; // 40 characters and the final Enter

struct TypeState : KeyTables {
    // The words of the child's language; null: key.dat's.
    std::shared_ptr<const LanguageWords> words;
    i16 HomeShown = 0; // -1 while the home position stands on the keyboard
    // Right and wrong keystrokes. Kept wider than the display needs: in Keyboard
    // Practice and the lessons they are never reset, and must not wrap in a long day.
    std::int32_t RightCount = 0;
    std::int32_t ErrorCount = 0;
    i16 SpeedTop = 0;
    i16 Loading = 0;
    i16 RowCount = 0;
    std::int64_t DrillTicks = 0; // a time from the monotonic clock, or an elapsed time
    i16 Typing = 0;
    std::string DingSound;
    std::string UhOhSound;
    std::string TadaSound;
    i16 Mode = 0;
    i16 LessonPage = 0;
    i16 LessonOn = 0;
    char32_t TargetKey = 0; // the character awaited, a Unicode code point
    // The dead key of TargetKey was pressed (its keysym): its base key comes next.
    std::uint32_t DeadPressed = 0;
    i16 Row = 0;
    i16 Hand = 0;
    i16 Finger = 0;
    i16 FingerNumber = 0;
    i16 ShiftLevel = 0;
    i16 KeyTotal = 0;
    i16 PracticeOn = 0;
    i16 PracticeIndex = 0;
    i16 PressCount = 0;
    i16 LinePos = 0;
    i16 PenX = 0;
    i16 PenY = 0;
    i16 LineLen = 0;
    i16 TimedRunning = 0;

    Table1<int, 0, 4> PracticeKeys; // characters, or kShiftKey for a Shift key
    Table1<std::string, 0, 4> PracticeKeyNames;
    Table1<char32_t, 0, kLineSlots - 1> LineChars; // Unicode code points
    Table1<i16, 0, kLineSlots - 1> LineRows;
};

} // namespace tapwell
