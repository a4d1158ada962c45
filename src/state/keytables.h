// The keyboard tables: what key.dat holds, and the tables built from it at start-up.
#pragma once

#include "table.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tapwell {

using i16 = std::int16_t;

// Two row numberings are used side by side. The lesson row follows the row choices
// (1 home, 2 top, 3 bottom, 4 number, 5 space bar); the physical row counts from the
// top of the keyboard (1 number, 2 top, 3 home, 4 bottom) and is used only by
// RowKeys and the first column of CharKey.
enum LessonRow : int { kHomeRow = 1, kTopRow = 2, kBottomRow = 3, kNumberRow = 4, kSpaceRow = 5 };

// Character codes with a meaning of their own.
inline constexpr int kEnter = 13;
inline constexpr int kSpace = 32;
inline constexpr int kBackspace = 8;
inline constexpr int kShiftKey = -1; // a key data entry that stands for a Shift key

// On-screen key indexes.
inline constexpr int kFirstKey = 52;
inline constexpr int kLastKey = 99;
inline constexpr int kEnterKey = 87;
inline constexpr int kLeftShiftKey = 88;
inline constexpr int kRightShiftKey = 99;
// Where the fingers rest: the home row's places (as RowChars numbers them) under the left
// hand's little to index finger and the right hand's index to little finger (US: a s d f
// j k l ;). The on-screen home row starts at key 76, at place 1.
inline constexpr int kHomePlaces[] = {1, 2, 3, 4, 7, 8, 9, 10};
inline constexpr int kHomeRowFirstKey = 76;

// The keys of ISO keyboards the designed one does not have: left of Z and right of the
// home row. Shown where the layout has them; they belong to no row a drill draws from.
inline constexpr int kIsoLeftKey = 101;
inline constexpr int kIsoRightKey = 102;
// AltGr, right of the space bar: shown where the child is asked for what it types.
inline constexpr int kAltGrKey = 103;

// The keyboard a child has, where it is not key.dat's US one: what the tables below say by
// character, for any character, on the same on-screen keys (their fingers are the keys'
// own, whatever the layout). Made from the desktop's layout data.
struct LayoutKeys {
    std::string name; // as XKB names the layout: "de", "us(dvorak)"
    struct Place {
        int key = 0;        // the on-screen key index
        int shift = 0;      // 1: the left Shift is held with it, 2: the right one, 0: none
        int row = 0;        // the lesson row, 0 for none
        bool altGr = false; // AltGr is held with it
        // A character made by a dead key and then a base key: the dead key's on-screen
        // index (0: typed directly), the Shift and AltGr held with it, and the character
        // the base key types alone.
        int dead = 0;
        int deadShift = 0;
        bool deadAltGr = false;
        std::uint32_t deadKeysym = 0; // as XKB names the dead key: dead_acute 0xfe51
        char32_t base = 0;
        bool operator==(const Place&) const = default;
    };
    std::map<char32_t, Place> chars;          // what a drill may ask for and the guide show
    std::map<char32_t, char32_t> shifted;     // a key's own character to its Shift character
    Table2<char32_t, 0, 4, 0, 12> RowChars;   // as key.dat's: each row's own characters
    Table3<int, 0, 8, 0, 4, 0, 8> FingerKeys; // as key.dat's, characters or kShiftKey
    // What each on-screen key shows: its caption and, where Shift types other than its
    // capital, the Shift character small above it (UTF-8).
    std::map<int, std::pair<std::string, std::string>> captions;
    bool iso = false; // the ISO shape: the two keys above, a two-row Enter
    // Asked for what needs AltGr or a dead key; the AltGr key is then on the screen.
    bool accents = false;
    bool altGrKey = false;
    // A key's own character to what its key types with AltGr, or a dead key makes of it:
    // what a Character Drill may ask for in its place when accents are asked for.
    std::map<char32_t, std::vector<char32_t>> accented;
    bool operator==(const LayoutKeys&) const = default;
};

struct KeyTables {
    // From key.dat.
    Table2<std::string, 0, 3, 0, 30> WordList;
    Table2<i16, 0, 4, 0, 12> RowChars;
    Table2<std::string, 0, 4, 0, 12> RowCharText;
    Table3<i16, 0, 8, 0, 4, 0, 8> FingerKeys;
    Table2<i16, 0, 126, 0, 3> CharKey;
    Table2<i16, 52, 98, 1, 2> KeyHand;

    // Built at start-up.
    Table2<i16, 0, 4, 0, 12> RowKeys;
    Table1<i16, 0, 5> RowTop;
    Table1<i16, 0, 122> ShiftChar;
    Table1<std::string, 0, 2> HandName;
    Table1<std::string, 0, 5> FingerName;
    Table1<std::string, 0, 5> RowName;
    Table1<std::string, 0, 5> RowTitle;

    // The layout in use where it is not US QWERTY; null: the tables above.
    std::shared_ptr<const LayoutKeys> layout;

    bool operator==(const KeyTables&) const = default;
};

// Where key.dat went wrong, precisely enough to find and mend the value.
struct KeyDataError {
    int valueNumber = 0; // 1-based; 0 when the fault is not at one value
    int line = 0;
    std::string entry;    // the table entry, e.g. "FingerKeys(3, 2, 5)"
    std::string expected; // what the entry must hold
    std::string found;    // what the file holds there

    std::string message() const;
};

inline constexpr int kKeyDataValues = 850;
inline constexpr int kMaxWordLength = 9; // three words and two spaces fit the display

// Reads the 850 values of key.dat from bytes into tables, with the fixed entries
// applied and the lookup invariants checked. On a fault, tables is left untouched
// and error says where and why.
bool readKeyData(std::string_view bytes, KeyTables& tables, KeyDataError& error);

// RowKeys, the name tables and ShiftChar: the tables that come from constants.
// RowTop comes from the on-screen keyboard and is filled by the window.
void buildConstantTables(KeyTables& t);

// The on-screen key index of character c, or 0 when c has no key.
int keyIndexOf(const KeyTables& t, int c);

// The space bar has no key index of its own; where keys are counted it stands as this.
inline constexpr int kSpaceBarKey = 100;

// The Shift key held with c: 1 the left one, 2 the right one, 0 none.
int shiftSideOf(const KeyTables& t, int c);

// Where the layout in use types c; null for key.dat's tables and for codes without a key.
const LayoutKeys::Place* placeOf(const KeyTables& t, int c);

// The finger of an on-screen key: hand (which 1: 1 left, 2 right) and finger (which 2:
// 1 little .. 4 index, 6 the thumb), as KeyHand holds them, for the keys beyond it too.
int keyHandOf(const KeyTables& t, int key, int which);

// The character a key's own character c types with Shift; 0 for none.
int shiftCharOf(const KeyTables& t, int c);

// The character of row's nth key (1..12), 0 where it has none to drill.
int rowCharOf(const KeyTables& t, int row, int n);

// The nth key of a finger (1..8) in a row, as key.dat's FingerKeys hold them (n 0 is how
// many; 1..4 plain, 5..8 shifted).
int fingerKeyOf(const KeyTables& t, int finger, int row, int n);

// The key a character is typed on, the space bar and Enter included: an on-screen key
// index, kSpaceBarKey, or 0 for a code without a key.
int keyOfCharacter(const KeyTables& t, int c);

// The lesson row (1..4) of the key that types c, or 0 when c has none; a space is 5.
int lessonRowOf(const KeyTables& t, int c);

// The caption an on-screen key shows for its own character: "W", "1", ";". Empty for the
// keys with a word on them (Enter, Shift) and for indexes without a key.
std::string keyCaptionOf(const KeyTables& t, int key);

} // namespace tapwell
