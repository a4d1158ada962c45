#include "keydatlayout.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>

namespace tapwell::layout {

std::optional<Key> keyOfIndex(int index) {
    const auto from = [index](int first, Key key) {
        return static_cast<Key>(indexOf(key) + index - first);
    };
    if (index >= 52 && index <= 63) return from(52, Key::AE01);
    if (index >= 64 && index <= 75) return from(64, Key::AD01);
    if (index >= 76 && index <= 86) return from(76, Key::AC01);
    if (index >= 89 && index <= 98) return from(89, Key::AB01);
    if (index == kEnterKey) return Key::RTRN;
    if (index == kLeftShiftKey) return Key::LFSH;
    if (index == kRightShiftKey) return Key::RTSH;
    if (index == kIsoLeftKey) return Key::LSGT;
    if (index == kIsoRightKey) return Key::BKSL; // AC12, where ISO keyboards have it
    return std::nullopt;
}

int indexOfKey(Key k) {
    for (int i = kFirstKey; i <= kIsoRightKey; ++i)
        if (keyOfIndex(i) == k) return i;
    return 0;
}

std::optional<Layout> layoutFromKeyTables(const KeyTables& t, std::string* why) {
    const auto fail = [why](const std::string& reason) {
        if (why) *why = reason;
        return std::nullopt;
    };
    LayoutParts parts;
    parts.name = {"us", {}};
    parts.description = "English (US)";
    parts.shape = Shape::Ansi;
    parts.fingers.fill(Finger::None);

    for (int c = 33; c <= 126; ++c) {
        const int index = keyIndexOf(t, c);
        if (index == 0) continue; // a character the keyboard does not teach
        const auto key = keyOfIndex(index);
        if (!key) continue;
        // key.dat marks a shifted character by the Shift key it names, left or right.
        const bool shifted = t.CharKey(c, 1) < 0 || t.CharKey(c, 2) < 0;
        Symbol& s = parts.at(*key, shifted ? Level::Shift : Level::Plain);
        if (!s.empty())
            return fail("key.dat puts " + std::string(1, static_cast<char>(s.ch)) + " and " +
                        std::string(1, static_cast<char>(c)) + " on one key and level");
        s = {static_cast<char32_t>(c), false, xkb_utf32_to_keysym(static_cast<std::uint32_t>(c))};
    }
    parts.at(Key::RTRN, Level::Plain) = {U'\r', false, xkb_utf32_to_keysym(U'\r')};
    parts.at(Key::SPCE, Level::Plain) = {U' ', false, xkb_utf32_to_keysym(U' ')};

    // KeyHand holds the keys from the number row's first to the bottom row's last.
    for (int index = kFirstKey; index < kRightShiftKey; ++index) {
        const auto key = keyOfIndex(index);
        if (!key) continue;
        const Finger f = fingerOf(t.KeyHand(index, 1), t.KeyHand(index, 2));
        if (f == Finger::None)
            return fail("key.dat gives on-screen key " + std::to_string(index) + " no finger");
        parts.fingers[static_cast<std::size_t>(indexOf(*key))] = f;
    }
    // The right Shift has no KeyHand entry: the guide lights the right little finger.
    return Layout::assemble(std::move(parts));
}

} // namespace tapwell::layout
