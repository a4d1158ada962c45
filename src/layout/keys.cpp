#include "keys.h"

#include <algorithm>

namespace tapwell::layout {

namespace {

constexpr std::array<std::string_view, kKeyCount> kNames = {
    "TLDE", "AE01", "AE02", "AE03", "AE04", "AE05", "AE06", "AE07", "AE08", "AE09", "AE10",
    "AE11", "AE12", "AD01", "AD02", "AD03", "AD04", "AD05", "AD06", "AD07", "AD08", "AD09",
    "AD10", "AD11", "AD12", "BKSL", "AC01", "AC02", "AC03", "AC04", "AC05", "AC06", "AC07",
    "AC08", "AC09", "AC10", "AC11", "LSGT", "AB01", "AB02", "AB03", "AB04", "AB05", "AB06",
    "AB07", "AB08", "AB09", "AB10", "LFSH", "RTSH", "RTRN", "SPCE", "RALT"};

constexpr std::array<Key, kKeyCount> kAllKeys = [] {
    std::array<Key, kKeyCount> keys{};
    for (int i = 0; i < kKeyCount; ++i)
        keys[static_cast<std::size_t>(i)] = static_cast<Key>(i);
    return keys;
}();

// The n-th key (1-based) of a row that starts at `first`.
constexpr Key nth(Key first, int n) {
    return static_cast<Key>(indexOf(first) + n - 1);
}

constexpr bool inRange(Key k, Key first, Key last) {
    return indexOf(k) >= indexOf(first) && indexOf(k) <= indexOf(last);
}

template <std::size_t N> constexpr std::array<Key, N> rowFrom(Key first) {
    std::array<Key, N> keys{};
    for (std::size_t i = 0; i < N; ++i)
        keys[i] = nth(first, static_cast<int>(i) + 1);
    return keys;
}

constexpr auto kNumberRowKeys = rowFrom<12>(Key::AE01);
constexpr auto kTopRowKeys = rowFrom<12>(Key::AD01);
constexpr auto kHomeRowKeys = rowFrom<11>(Key::AC01);
constexpr auto kBottomRowKeys = rowFrom<10>(Key::AB01);

// The finger of each column of the four rows: little, ring, middle, then two columns for
// each index finger, and the right little finger for everything beyond.
constexpr Finger fingerOfColumn(int column) {
    constexpr Finger byColumn[] = {
        Finger::LeftLittle,  Finger::LeftLittle, Finger::LeftRing,   Finger::LeftMiddle,
        Finger::LeftIndex,   Finger::LeftIndex,  Finger::RightIndex, Finger::RightIndex,
        Finger::RightMiddle, Finger::RightRing,
    };
    return column < 10 ? byColumn[column] : Finger::RightLittle;
}

} // namespace

std::span<const Key> allKeys() {
    return kAllKeys;
}

std::string_view xkbName(Key k) {
    return kNames[static_cast<std::size_t>(indexOf(k))];
}

std::optional<Key> keyNamed(std::string_view name) {
    if (name == "AC12") return Key::BKSL;
    const auto it = std::find(kNames.begin(), kNames.end(), name);
    if (it == kNames.end()) return std::nullopt;
    return static_cast<Key>(it - kNames.begin());
}

bool isCharacterKey(Key k) {
    return indexOf(k) < indexOf(Key::LFSH);
}

int handOf(Finger f) {
    switch (f) {
    case Finger::LeftLittle:
    case Finger::LeftRing:
    case Finger::LeftMiddle:
    case Finger::LeftIndex:
        return 1;
    case Finger::RightLittle:
    case Finger::RightRing:
    case Finger::RightMiddle:
    case Finger::RightIndex:
    case Finger::RightThumb:
        return 2;
    case Finger::None:
    case Finger::Thumbs:
        break;
    }
    return 0;
}

int fingerPictureOf(Finger f) {
    if (f == Finger::None) return 0;
    if (f == Finger::Thumbs || f == Finger::RightThumb) return 6;
    return (static_cast<int>(f) - 1) % 4 + 1;
}

Finger fingerOf(int hand, int finger) {
    if (hand < 1 || hand > 2 || finger < 1 || finger > 4) return Finger::None;
    return static_cast<Finger>((hand - 1) * 4 + finger);
}

int columnOf(Key k) {
    if (k == Key::TLDE || k == Key::LSGT) return 0;
    if (k == Key::BKSL) return 13;
    if (inRange(k, Key::AE01, Key::AE12)) return indexOf(k) - indexOf(Key::AE01) + 1;
    if (inRange(k, Key::AD01, Key::AD12)) return indexOf(k) - indexOf(Key::AD01) + 1;
    if (inRange(k, Key::AC01, Key::AC11)) return indexOf(k) - indexOf(Key::AC01) + 1;
    if (inRange(k, Key::AB01, Key::AB10)) return indexOf(k) - indexOf(Key::AB01) + 1;
    return 0;
}

Finger fingerFor(Key k) {
    switch (k) {
    case Key::LFSH:
        return Finger::LeftLittle;
    case Key::RTSH:
    case Key::RTRN:
        return Finger::RightLittle;
    case Key::SPCE:
        return Finger::Thumbs;
    case Key::RALT:
        return Finger::RightThumb;
    default:
        return fingerOfColumn(columnOf(k));
    }
}

Key shiftKeyFor(Key k) {
    return handOf(fingerFor(k)) == 1 ? Key::RTSH : Key::LFSH;
}

std::span<const Key> rowKeys(LessonRow row) {
    switch (row) {
    case kHomeRow:
        return kHomeRowKeys;
    case kTopRow:
        return kTopRowKeys;
    case kBottomRow:
        return kBottomRowKeys;
    case kNumberRow:
        return kNumberRowKeys;
    case kSpaceRow:
        break;
    }
    return {};
}

std::optional<LessonRow> rowOf(Key k) {
    if (inRange(k, Key::AE01, Key::AE12)) return kNumberRow;
    if (inRange(k, Key::AD01, Key::AD12)) return kTopRow;
    if (inRange(k, Key::AC01, Key::AC11)) return kHomeRow;
    if (inRange(k, Key::AB01, Key::AB10)) return kBottomRow;
    return std::nullopt;
}

KeyPlace placeOf(Key k, Shape shape) {
    const bool iso = shape == Shape::Iso;
    // Each row starts further right than the one above, as on a real keyboard; the
    // designed keyboard's own steps are 0.4, 0.6 and 0.4 of a key.
    if (inRange(k, Key::AE01, Key::AE12)) return {{0, 10 * columnOf(k), 10}, {}};
    if (inRange(k, Key::AD01, Key::AD12)) return {{1, 4 + 10 * columnOf(k), 10}, {}};
    if (inRange(k, Key::AC01, Key::AC11)) return {{2, 10 + 10 * columnOf(k), 10}, {}};
    if (inRange(k, Key::AB01, Key::AB10)) return {{3, 14 + 10 * columnOf(k), 10}, {}};
    switch (k) {
    case Key::TLDE:
        return {{0, 0, 10}, {}};
    case Key::BKSL:
        // ANSI: above Enter, to its right edge. ISO: AC12, right of the home row.
        return iso ? KeyPlace{{2, 130, 10}, {}} : KeyPlace{{1, 134, 16}, {}};
    case Key::RTRN:
        return iso ? KeyPlace{{1, 134, 16}, {2, 140, 10}} : KeyPlace{{2, 130, 20}, {}};
    case Key::LSGT:
        return iso ? KeyPlace{{3, 14, 10}, {}} : KeyPlace{};
    case Key::LFSH:
        // ISO: shorter, for LSGT beside it, and reaching out under TLDE.
        return iso ? KeyPlace{{3, 0, 14}, {}} : KeyPlace{{3, 6, 18}, {}};
    case Key::RTSH:
        return {{3, 124, 18}, {}};
    case Key::SPCE:
        return {{4, 40, 70}, {}};
    case Key::RALT:
        return {{4, 110, 14}, {}};
    default:
        return {};
    }
}

} // namespace tapwell::layout
