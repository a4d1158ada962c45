#include "layout.h"

#include <algorithm>
#include <cstdlib>

namespace tapwell::layout {

std::string LayoutName::text() const {
    return variant.empty() ? layout : layout + "(" + variant + ")";
}

LayoutName LayoutName::parse(const std::string& text) {
    const auto open = text.find('(');
    if (open == std::string::npos) {
        if (text.empty() || text.find_first_of(") ,") != std::string::npos) return {};
        return {text, {}};
    }
    if (open == 0 || text.back() != ')' || text.size() < open + 3) return {};
    std::string variant = text.substr(open + 1, text.size() - open - 2);
    if (variant.find_first_of("() ,") != std::string::npos) return {};
    return {text.substr(0, open), variant};
}

namespace {

const Symbol kNoSymbol{};

std::size_t at(Key k) {
    return static_cast<std::size_t>(indexOf(k));
}

// The keys outside the rows that a finger is also taught, by the row they stand in.
std::optional<Key> outerKeyOf(LessonRow row, Shape shape) {
    switch (row) {
    case kNumberRow:
        return Key::TLDE;
    case kTopRow:
        return shape == Shape::Ansi ? std::optional(Key::BKSL) : std::nullopt;
    case kHomeRow:
        return shape == Shape::Iso ? std::optional(Key::BKSL) : std::nullopt;
    case kBottomRow:
        return shape == Shape::Iso ? std::optional(Key::LSGT) : std::nullopt;
    case kSpaceRow:
        break;
    }
    return std::nullopt;
}

// The column a finger rests on in the home position.
int homeColumnOf(Finger f) {
    switch (f) {
    case Finger::LeftLittle:
        return 1;
    case Finger::LeftRing:
        return 2;
    case Finger::LeftMiddle:
        return 3;
    case Finger::LeftIndex:
        return 4;
    case Finger::RightIndex:
        return 7;
    case Finger::RightMiddle:
        return 8;
    case Finger::RightRing:
        return 9;
    case Finger::RightLittle:
        return 10;
    default:
        return 0;
    }
}

} // namespace

Layout::Layout() {
    parts_.fingers.fill(Finger::None);
}

Layout Layout::assemble(LayoutParts parts, const Composer& composer) {
    Layout l;
    for (Key k : allKeys())
        if (parts.fingers[at(k)] == Finger::None) parts.fingers[at(k)] = fingerFor(k);
    if (!parts.altGr)
        for (Key k : allKeys())
            for (Level lv : {Level::AltGr, Level::ShiftAltGr})
                parts.at(k, lv) = {};
    l.parts_ = std::move(parts);

    // Direct presses: the easiest level wins, then the first key in reading order.
    std::vector<Press> presses; // every press that types a character, easiest first
    for (Level lv : kAllLevels)
        for (Key k : allKeys()) {
            if (!l.hasKey(k)) continue;
            const Symbol& s = l.symbol(k, lv);
            if (s.ch == 0 || s.dead) continue;
            presses.push_back({k, lv});
            l.direct_.try_emplace(s.ch, Press{k, lv});
        }

    // Dead keys followed by each directly typed character; the pair of easiest levels
    // wins.
    if (!composer) return l;
    struct Candidate {
        int cost;
        Typing typing;
    };
    std::vector<std::pair<char32_t, Candidate>> found;
    for (Level dl : kAllLevels)
        for (Key dk : allKeys()) {
            if (!l.hasKey(dk)) continue;
            const Symbol& dead = l.symbol(dk, dl);
            if (!dead.dead || dead.keysym == 0) continue;
            for (const Press& base : presses) {
                const Symbol& b = l.symbol(base.key, base.level);
                if (b.keysym == 0) continue;
                const char32_t c = composer(dead.keysym, b.keysym);
                // A mark left alone (the dead key and a space, in some rules) is no
                // character to ask for.
                if (!standsAlone(c) || l.direct_.contains(c)) continue;
                found.push_back(
                    {c,
                     {static_cast<int>(dl) + static_cast<int>(base.level), {Press{dk, dl}, base}}});
            }
        }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.second.cost < b.second.cost; });
    for (const auto& [c, candidate] : found)
        if (l.composed_.try_emplace(c, candidate.typing).second) l.composedOrder_.push_back(c);
    return l;
}

bool Layout::hasKey(Key k) const {
    if (k == Key::LSGT) return parts_.shape == Shape::Iso;
    if (k == Key::RALT) return parts_.altGr;
    return true;
}

const Symbol& Layout::symbol(Key k, Level l) const {
    if (!hasKey(k)) return kNoSymbol;
    return parts_.symbols[at(k)][static_cast<std::size_t>(l)];
}

Finger Layout::finger(Key k) const {
    return parts_.fingers[at(k)];
}

std::optional<Press> Layout::pressFor(char32_t c) const {
    const auto it = direct_.find(c);
    if (it == direct_.end()) return std::nullopt;
    return it->second;
}

std::optional<Typing> Layout::typingOf(char32_t c) const {
    if (const auto p = pressFor(c)) return Typing{std::nullopt, *p};
    const auto it = composed_.find(c);
    if (it == composed_.end()) return std::nullopt;
    return it->second;
}

std::vector<char32_t> Layout::rowCharacters(LessonRow row, Levels levels) const {
    std::vector<char32_t> out;
    for (Level lv : kAllLevels) {
        if (!levels.allows(lv)) continue;
        for (Key k : rowKeys(row)) {
            const Symbol& s = symbol(k, lv);
            if (s.dead || !standsAlone(s.ch)) continue;
            // A character easier to reach on another key is that key's to teach.
            if (pressFor(s.ch) != Press{k, lv}) continue;
            out.push_back(s.ch);
        }
    }
    return out;
}

std::vector<Key> Layout::fingerKeys(Finger f, LessonRow row, bool withOuterKeys) const {
    std::vector<Key> keys;
    const auto typesSomething = [this](Key k) {
        return std::any_of(kAllLevels.begin(), kAllLevels.end(),
                           [&](Level lv) { return !symbol(k, lv).empty(); });
    };
    for (Key k : rowKeys(row))
        if (finger(k) == f && typesSomething(k)) keys.push_back(k);
    const int home = homeColumnOf(f);
    std::stable_sort(keys.begin(), keys.end(), [home](Key a, Key b) {
        return std::abs(columnOf(a) - home) < std::abs(columnOf(b) - home);
    });
    if (withOuterKeys)
        if (const auto outer = outerKeyOf(row, parts_.shape))
            if (hasKey(*outer) && finger(*outer) == f && typesSomething(*outer))
                keys.push_back(*outer);
    return keys;
}

bool Layout::sameKeys(const Layout& other) const {
    return parts_.shape == other.parts_.shape && parts_.altGr == other.parts_.altGr &&
           parts_.symbols == other.parts_.symbols && parts_.fingers == other.parts_.fingers;
}

bool standsAlone(char32_t c) {
    // Controls, spaces of every width, and the marks that are there but not seen.
    if (c <= 0x20 || (c >= 0x7f && c <= 0xa0) || c == 0xad) return false;
    if ((c >= 0x2000 && c <= 0x200f) || (c >= 0x2028 && c <= 0x202f) ||
        (c >= 0x205f && c <= 0x206f) || c == 0x3000 || c == 0xfeff)
        return false;
    // The combining accents shared by every script: they sit on the character before.
    if ((c >= 0x300 && c <= 0x36f) || (c >= 0x1ab0 && c <= 0x1aff) ||
        (c >= 0x1dc0 && c <= 0x1dff) || (c >= 0x20d0 && c <= 0x20ff) ||
        (c >= 0xfe20 && c <= 0xfe2f))
        return false;
    // Surrogates and what is not a character at all.
    if ((c >= 0xd800 && c <= 0xdfff) || c > 0x10ffff || (c & 0xfffe) == 0xfffe) return false;
    return true;
}

} // namespace tapwell::layout
