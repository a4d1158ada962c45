#include "layoutkeys.h"

#include "keydatlayout.h"
#include "state/text.h"

#include <xkbcommon/xkbcommon.h>

#include <cctype>

namespace tapwell::layout {

namespace {

bool drillable(const Symbol& s) {
    return !s.dead && s.ch != 0 && standsAlone(s.ch);
}

// Where key.dat's rows start counting: the bottom row's first place is its Shift.
int firstPlace(LessonRow row) {
    return row == kBottomRow ? 2 : 1;
}

// What a Character Drill asks for in a key's place: the symbols AltGr types (@, {, €) and
// the accented letters of the languages written with Latin letters that dead keys make
// (é, ñ, å); not every letter composing can make (ḱ, ǵ) nor AltGr's letters (ŋ, ð),
// which a child meets in the words of their own language, if at all.
bool usual(char32_t c, bool composed) {
    const bool latin1Letter = c >= 0xc0 && c <= 0xff && c != 0xd7 && c != 0xf7;
    if (composed) return latin1Letter;
    return (c > U' ' && c < 0x7f && !std::isalnum(static_cast<int>(c))) || c == U'€' || c == U'£' ||
           c == U'§' || c == U'°';
}

// Whether key has a place on the on-screen keyboard: the designed keys, and the ISO
// keys on an ISO keyboard.
bool shownOn(Key key, bool iso) {
    const int index = indexOfKey(key);
    return index >= kFirstKey && (index <= 98 || (iso && index <= kIsoRightKey));
}

// What AltGr types and what dead keys make, asked for only when the child wants accents.
void addAccents(const Layout& l, LayoutKeys& k) {
    k.accents = true;
    k.altGrKey = l.hasAltGr();
    const auto sideOf = [](Key key, Level level) {
        return needsShift(level) ? (shiftKeyFor(key) == Key::LFSH ? 1 : 2) : 0;
    };
    for (Key key : allKeys()) {
        if (!isCharacterKey(key) || !l.hasKey(key) || !shownOn(key, k.iso)) continue;
        const auto row = rowOf(key);
        for (Level level : {Level::AltGr, Level::ShiftAltGr}) {
            const Symbol& s = l.symbol(key, level);
            const auto press = l.pressFor(s.ch);
            if (!drillable(s) || !press || press->key != key || press->level != level ||
                k.chars.count(s.ch) != 0)
                continue;
            k.chars[s.ch] = {indexOfKey(key), sideOf(key, level), row ? static_cast<int>(*row) : 0,
                             true};
            const Symbol& own = l.symbol(key, level == Level::AltGr ? Level::Plain : Level::Shift);
            if (drillable(own) && usual(s.ch, false)) k.accented[own.ch].push_back(s.ch);
        }
    }
    for (char32_t c : l.composedCharacters()) {
        const auto typing = l.typingOf(c);
        if (!typing || !typing->dead || k.chars.count(c) != 0) continue;
        const Press& dead = *typing->dead;
        const Press& base = typing->press;
        const Symbol& baseSymbol = l.symbol(base.key, base.level);
        if (!shownOn(dead.key, k.iso) || !shownOn(base.key, k.iso) || !drillable(baseSymbol))
            continue;
        const auto row = rowOf(base.key);
        LayoutKeys::Place p{indexOfKey(base.key), sideOf(base.key, base.level),
                            row ? static_cast<int>(*row) : 0, needsAltGr(base.level)};
        p.dead = indexOfKey(dead.key);
        p.deadShift = sideOf(dead.key, dead.level);
        p.deadAltGr = needsAltGr(dead.level);
        p.deadKeysym = l.symbol(dead.key, dead.level).keysym;
        p.base = baseSymbol.ch;
        k.chars[c] = p;
        if (usual(c, true)) k.accented[baseSymbol.ch].push_back(c);
    }
}

} // namespace

std::shared_ptr<const LayoutKeys> layoutKeysOf(const Layout& l, bool accents) {
    auto k = std::make_shared<LayoutKeys>();
    // Named as XKB names it; a keymap the X server was not set up with by name, by what it
    // is called.
    k->name = l.name().empty() ? l.description() : l.name().text();
    k->iso = l.shape() == Shape::Iso;
    for (int index = kFirstKey; index <= kIsoRightKey; ++index) {
        const auto key = keyOfIndex(index);
        if (!key || !isCharacterKey(*key) || !l.hasKey(*key)) continue;
        if (index >= kIsoLeftKey && !k->iso) continue; // not on an ANSI keyboard's screen
        const Symbol& plain = l.symbol(*key, Level::Plain);
        const Symbol& shift = l.symbol(*key, Level::Shift);
        const auto row = rowOf(*key);
        const int side = shiftKeyFor(*key) == Key::LFSH ? 1 : 2;
        // A character typed on two keys is asked for on the easier one.
        const auto place = [&](const Symbol& s, Level level, int shiftSide) {
            const auto press = l.pressFor(s.ch);
            if (!drillable(s) || !press || press->key != *key || press->level != level) return;
            k->chars[s.ch] = {index, shiftSide, row ? static_cast<int>(*row) : 0};
        };
        place(plain, Level::Plain, 0);
        place(shift, Level::Shift, side);
        if (drillable(plain) && drillable(shift)) k->shifted[plain.ch] = shift.ch;
        // A letter shows its capital; any other key its own character, with the Shift
        // character small above it.
        const bool capital = plain.keysym != 0 && shift.keysym != 0 &&
                             plain.keysym != shift.keysym &&
                             xkb_keysym_to_upper(plain.keysym) == shift.keysym;
        if (capital)
            k->captions[index] = {utf8Of(shift.ch), {}};
        else if (!plain.empty())
            k->captions[index] = {utf8Of(plain.ch),
                                  shift.empty() ? std::string() : utf8Of(shift.ch)};
    }
    // Each row's own characters, place by place as key.dat numbers them; the Enter end of
    // the home row and the Shift end of the bottom row stay empty.
    for (LessonRow row : {kHomeRow, kTopRow, kBottomRow, kNumberRow}) {
        int n = firstPlace(row);
        for (Key key : rowKeys(row)) {
            const Symbol& s = l.symbol(key, Level::Plain);
            if (n <= 12) k->RowChars(row, n) = drillable(s) ? s.ch : 0;
            ++n;
        }
    }
    // Each finger's keys, nearest first, the Shift characters four places on; the left
    // little finger's bottom row ends with its Shift, the right one's home row with Enter.
    for (int f = 1; f <= 8; ++f) {
        const Finger finger = static_cast<Finger>(f);
        for (LessonRow row : {kHomeRow, kTopRow, kBottomRow, kNumberRow}) {
            int n = 0;
            // The ISO keys are taught with their finger, after the row's own keys.
            for (Key key : l.fingerKeys(finger, row, true)) {
                const Symbol& plain = l.symbol(key, Level::Plain);
                if (!drillable(plain) || !shownOn(key, k->iso) || n == 4) continue;
                const Symbol& shift = l.symbol(key, Level::Shift);
                ++n;
                k->FingerKeys(f, row, n) = static_cast<int>(plain.ch);
                k->FingerKeys(f, row, n + 4) =
                    static_cast<int>(drillable(shift) ? shift.ch : plain.ch);
            }
            const bool shiftEnd = f == 1 && row == kBottomRow;
            const bool enterEnd = f == 5 && row == kHomeRow;
            if ((shiftEnd || enterEnd) && n < 4) {
                ++n;
                k->FingerKeys(f, row, n) = k->FingerKeys(f, row, n + 4) =
                    shiftEnd ? kShiftKey : kEnter;
            }
            k->FingerKeys(f, row, 0) = n;
        }
    }
    if (accents) addAccents(l, *k);
    return k;
}

} // namespace tapwell::layout
