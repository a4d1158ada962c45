// The physical keys of the main block, named as XKB names them, and what belongs to a key
// whatever the layout: where it stands on the on-screen keyboard, the finger that presses
// it, the row a drill draws it from.
//
// Fingers belong to a key's column, not to its characters: a German child's Z and a US
// child's Y are one key, pressed by the right index finger, and one table serves every
// layout.
#pragma once

#include "state/keytables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tapwell::layout {

// The keys we show and teach, in reading order. BKSL is one key with two places: above
// Enter on ANSI keyboards, right of the home row (XKB's AC12) on ISO ones; XKB gives both
// names the same key code. LSGT, the key left of the bottom row's first letter, exists
// on ISO keyboards only; RALT (AltGr) only where the layout has a third level.
// clang-format off
enum class Key : std::uint8_t {
    TLDE,
    AE01, AE02, AE03, AE04, AE05, AE06, AE07, AE08, AE09, AE10, AE11, AE12,
    AD01, AD02, AD03, AD04, AD05, AD06, AD07, AD08, AD09, AD10, AD11, AD12,
    BKSL,
    AC01, AC02, AC03, AC04, AC05, AC06, AC07, AC08, AC09, AC10, AC11,
    LSGT,
    AB01, AB02, AB03, AB04, AB05, AB06, AB07, AB08, AB09, AB10,
    LFSH, RTSH, RTRN, SPCE, RALT,
};
// clang-format on
inline constexpr int kKeyCount = static_cast<int>(Key::RALT) + 1;

// Every key in reading order, for loops.
std::span<const Key> allKeys();

inline constexpr int indexOf(Key k) {
    return static_cast<int>(k);
}

// The key's XKB name ("AC01"); BKSL answers "BKSL" whatever the shape.
std::string_view xkbName(Key k);
// The key of an XKB name, "AC12" included; nothing for keys we do not teach.
std::optional<Key> keyNamed(std::string_view xkbName);

// The keys that type characters (the four rows, TLDE, BKSL, LSGT), as opposed to Shift,
// Enter, the space bar and AltGr.
bool isCharacterKey(Key k);

// Fingers numbered as everywhere in the program: (hand - 1) x 4 + finger, hand 1 left,
// finger 1 little .. 4 index. The space bar is pressed by either thumb, AltGr by the
// right one.
enum class Finger : std::uint8_t {
    None = 0,
    LeftLittle = 1,
    LeftRing,
    LeftMiddle,
    LeftIndex,
    RightLittle,
    RightRing,
    RightMiddle,
    RightIndex,
    Thumbs,
    RightThumb,
};

// 1 left, 2 right; 0 for the thumbs of the space bar and for None.
int handOf(Finger f);
// 1 little .. 4 index, the number of the finger picture; 6 for a thumb; 0 for None.
int fingerPictureOf(Finger f);
// The finger of hand (1, 2) and finger (1..4).
Finger fingerOf(int hand, int finger);

// The finger that presses k, by its column: the same for every layout.
Finger fingerFor(Key k);

// The Shift key held with k: the one of the other hand, so that one hand never presses two
// keys at once.
Key shiftKeyFor(Key k);

// The drill rows. Each is the same physical keys for every layout; TLDE, BKSL and LSGT
// belong to no row (they are taught with their finger).
std::span<const Key> rowKeys(LessonRow row);
// The lesson row of a key, or nothing for keys in no row.
std::optional<LessonRow> rowOf(Key k);

// Where a key's finger rests: the column of the home row it reaches out from. Keys are
// taught nearest first, so the index finger learns F before G and J before H.
int columnOf(Key k); // 0 for TLDE and LSGT, 1..12 along a row, 13 for BKSL

// The two shapes of the main block.
enum class Shape : std::uint8_t {
    Ansi, // BKSL above a one-row Enter, no LSGT
    Iso,  // BKSL (as AC12) right of the home row, an Enter over two rows, LSGT
};

// A key's place on the on-screen keyboard, in tenths of a key. Rows count from the number
// row (0) down to the space bar (4). The ISO Enter stands on two rows: `upper` on the top
// row and `lower`, narrower, on the home row.
//
// With the designed keyboard's keys 600 twips apart, a key's left edge stands at
// 360 + 60 x left twips, its top at 120 + 600 x row, and it is 60 x width + 15 twips wide
// (neighbours overlap by a pixel): the US keyboard is then exactly the designed one.
inline constexpr int kTenthsPerKey = 10;
struct KeyRect {
    int row = 0;
    int left = 0;
    int width = 0; // 0: the key is not there in this shape

    bool operator==(const KeyRect&) const = default;
};
struct KeyPlace {
    KeyRect upper;
    KeyRect lower; // only the ISO Enter's lower part; width 0 otherwise

    bool present() const { return upper.width > 0; }
    bool twoRows() const { return lower.width > 0; }
    bool operator==(const KeyPlace&) const = default;
};
KeyPlace placeOf(Key k, Shape shape);

} // namespace tapwell::layout
