// One keyboard layout: the characters each key of the main block types at each level,
// its dead keys, its fingers, and the lookups a drill and the guide make with them ("which
// key and level types é?"). Built from key.dat (keydatlayout.h) or from the desktop's XKB
// data (xkblayout.h); both give the same model, so the US keyboard is one thing.
#pragma once

#include "keys.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tapwell::layout {

// The four levels a key can type at. AltGr is the right Alt key of layouts with a third
// level.
enum class Level : std::uint8_t { Plain, Shift, AltGr, ShiftAltGr };
inline constexpr int kLevelCount = 4;
inline constexpr std::array<Level, kLevelCount> kAllLevels = {Level::Plain, Level::Shift,
                                                              Level::AltGr, Level::ShiftAltGr};
inline constexpr bool needsShift(Level l) {
    return l == Level::Shift || l == Level::ShiftAltGr;
}
inline constexpr bool needsAltGr(Level l) {
    return l == Level::AltGr || l == Level::ShiftAltGr;
}

// What a key types at one level. A dead key types nothing itself but changes the next
// character; `ch` is then the character it makes on its own, the one its key cap shows
// (´ for the dead acute).
struct Symbol {
    char32_t ch = 0;
    bool dead = false;
    std::uint32_t keysym = 0; // XKB's name for it, which composing works with

    bool empty() const { return ch == 0 && !dead; }
    bool operator==(const Symbol&) const = default;
};

// One key pressed at one level (with Shift, AltGr or both held as the level says).
struct Press {
    Key key = Key::SPCE;
    Level level = Level::Plain;

    bool operator==(const Press&) const = default;
};

// How a character is typed: one press, or a dead key's press and then a base key's.
struct Typing {
    std::optional<Press> dead;
    Press press;

    bool operator==(const Typing&) const = default;
};

// Which layout: XKB's layout and variant names ("us", "dvorak").
struct LayoutName {
    std::string layout;
    std::string variant;

    // "us" or "us(dvorak)", as XKB writes them.
    std::string text() const;
    // The name of "us" or "us(dvorak)"; an empty name for text that is neither.
    static LayoutName parse(const std::string& text);
    bool empty() const { return layout.empty(); }
    bool operator==(const LayoutName&) const = default;
};

// Which composed character (if any) a dead key and a base key make: the desktop's
// composing rules, as keysyms. Empty when composing is not known.
using Composer = std::function<char32_t(std::uint32_t deadKeysym, std::uint32_t baseKeysym)>;

// The characters of a layout, as a builder fills them in.
struct LayoutParts {
    LayoutName name;
    std::string description; // "German", as the desktop names it
    Shape shape = Shape::Ansi;
    bool altGr = false; // the right Alt key reaches the third and fourth levels
    std::array<std::array<Symbol, kLevelCount>, kKeyCount> symbols{};
    std::array<Finger, kKeyCount> fingers{}; // None: the key's column decides

    Symbol& at(Key k, Level l) {
        return symbols[static_cast<std::size_t>(indexOf(k))][static_cast<std::size_t>(l)];
    }
};

// Which levels a drill asks for.
struct Levels {
    bool shift = false;
    bool altGr = false;

    bool allows(Level l) const { return (shift || !needsShift(l)) && (altGr || !needsAltGr(l)); }
};

class Layout {
public:
    // An empty layout that types nothing.
    Layout();
    // Makes the lookups of parts. The composer, when given, finds the characters the
    // layout's dead keys make.
    static Layout assemble(LayoutParts parts, const Composer& composer = {});

    const LayoutName& name() const { return parts_.name; }
    const std::string& description() const { return parts_.description; }
    Shape shape() const { return parts_.shape; }
    bool hasAltGr() const { return parts_.altGr; }

    // Whether the key is on this keyboard: LSGT only on ISO keyboards, AltGr only where
    // the layout has a third level.
    bool hasKey(Key k) const;
    // What k types at level l; empty where it types nothing (and for keys not there).
    const Symbol& symbol(Key k, Level l) const;
    Finger finger(Key k) const;
    KeyPlace place(Key k) const { return placeOf(k, parts_.shape); }

    // The easiest press that types c directly: plain before Shift before AltGr before
    // Shift+AltGr, and among keys the first in reading order. Enter types '\r', the space
    // bar ' '.
    std::optional<Press> pressFor(char32_t c) const;
    // How c is typed: directly when it can be, else by a dead key and a base key (the
    // pair of easiest levels). Nothing when this layout cannot type c.
    std::optional<Typing> typingOf(char32_t c) const;
    // The characters only a dead key makes (and that stand alone), easiest first.
    const std::vector<char32_t>& composedCharacters() const { return composedOrder_; }

    // The characters a drill of `row` asks for at the given levels, key by key from left
    // to right, plain before shifted. Only characters whose easiest key is in this row
    // and at an allowed level, that stand on their own on the screen (no dead keys, no
    // spaces, controls or invisible marks).
    std::vector<char32_t> rowCharacters(LessonRow row, Levels levels) const;

    // The character keys `f` presses in `row` that type something here, in teaching order
    // (the key the finger rests on first, then outwards). With outer keys, TLDE, BKSL and
    // LSGT come after the row's own keys of their finger, in the row they stand in.
    std::vector<Key> fingerKeys(Finger f, LessonRow row, bool withOuterKeys = false) const;

    // The same keys, characters and fingers (names and descriptions aside).
    bool sameKeys(const Layout& other) const;

private:
    LayoutParts parts_;
    std::unordered_map<char32_t, Press> direct_;
    std::unordered_map<char32_t, Typing> composed_;
    std::vector<char32_t> composedOrder_;
};

// Whether c can stand alone in a drill line: not a control, not a space, not an
// invisible or combining mark.
bool standsAlone(char32_t c);

} // namespace tapwell::layout
